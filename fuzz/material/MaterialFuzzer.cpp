// Feeds arbitrary bytes to the material-file library as both the standard and the user file:
// every list, the lookup of every object, the check and a save to memory must neither crash,
// trip a sanitizer nor hang. A file that opened must save as bytes that read back as the same
// tree, and saving what was read back must give those bytes again.

#include "tavo/material/MaterialCheck.h"
#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/DocumentSave.h"
#include "tavo/outside/DocumentStore.h"
#include "tavo/outside/DocumentWriter.h"
#include "tavo/outside/ReducedReading.h"
#include "tests/support/ExploreDatabase.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

// One file in a private folder, named by both location variables.
const std::string& InputPath()
{
  static const std::string path = [] {
    char folder[] = "/tmp/fuzz_material_XXXXXX";
    if (!mkdtemp(folder))
      std::abort();
    const std::string file = std::string(folder) + "/Materialdatei.xml";
    setenv("TAVO_STANDARD_FILE", file.c_str(), 1);
    setenv("TAVO_USER_FILE", file.c_str(), 1);
    return file;
  }();
  return path;
}

void RequireSavable(QODOM_ELEMENT root)
{
  Document* document = DocumentStore::Instance().DocumentOf(root);
  if (!document)
    return;
  LoadOriginalText(*document);  // as the save takes it from the file
  std::string bytes, error;
  if (!SerializeVerified(*document, bytes, error)) {
    std::fprintf(stderr, "a document that opened cannot be saved: %s\n", error.c_str());
    std::abort();
  }
  // SerializeVerified proved that the bytes read back as the same tree; the tree read back must
  // save as the very same bytes.
  auto again = ParseDocument(bytes, document->path, error);
  if (!again) {
    std::fprintf(stderr, "a saved document does not read back: %s\n", error.c_str());
    std::abort();
  }
  again->original = ParsedTextOf(bytes);
  if (SerializeDocument(*again) != bytes) {
    std::fprintf(stderr, "a second save differs from the first\n");
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  std::ofstream(InputPath(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  CTavoHandler handler("/dev/null");
  // The reduced reading of `tavo show`, its text then parsed, may only accept what the full
  // reading opens (a fault it leaves to the parser, such as one in the declaration, fails there).
  const std::optional<std::string> text =
      ReduceDocumentText(std::string_view(reinterpret_cast<const char*>(data), size), "Name",
                         [](std::size_t, std::string_view, std::string_view) { return KeepElement::kWithChildren; });
  std::string error;
  const QODOM_ELEMENT parsed = text ? QODOM_ParseDoc(*text, "reduced.xml", error) : 0;
  const bool reduced = parsed != 0;
  QODOM_CloseDoc(parsed);
  if (!handler.StandardFile()) {
    if (handler.StandardOpenError().empty() || reduced)
      std::abort();  // a file that does not open must say why, and must not read reduced
    return 0;
  }
  ExploreDatabase(handler);
  CMaterialCheck(handler).Run();
  RequireSavable(handler.StandardFile());
  RequireSavable(handler.UserFile());
  return 0;
}
