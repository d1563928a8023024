#include "tavo/outside/DocumentWriter.h"

#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/LosslessWriter.h"

#include <xxhash.h>

#include <cstring>

namespace {

constexpr unsigned kWriteOptions = pugi::format_raw | pugi::format_no_declaration;

class StringWriter : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& target) : m_target(target) {}
  void write(const void* data, size_t size) override { m_target.append(static_cast<const char*>(data), size); }

 private:
  std::string& m_target;
};

class HashWriter : public pugi::xml_writer {
 public:
  HashWriter() : m_state(XXH3_createState()) { XXH3_128bits_reset(m_state); }
  ~HashWriter() override { XXH3_freeState(m_state); }
  HashWriter(const HashWriter&) = delete;
  HashWriter& operator=(const HashWriter&) = delete;

  void write(const void* data, size_t size) override { XXH3_128bits_update(m_state, data, size); }
  XXH128_hash_t Digest() const { return XXH3_128bits_digest(m_state); }

 private:
  XXH3_state_t* m_state;
};

// The document node's children are written one by one: the tree keeps no white space between
// them, and a line break there is what the files hold.
void WriteDocument(const Document& document, pugi::xml_writer& writer)
{
  if (document.writeBom)
    writer.write("\xEF\xBB\xBF", 3);
  bool first = true;
  for (pugi::xml_node node : document.xml.children()) {
    if (!first)
      writer.write("\n", 1);
    node.print(writer, "", kWriteOptions, pugi::encoding_utf8);
    first = false;
  }
  if (document.finalNewline)
    writer.write("\n", 1);
}

std::string SerializeTree(const Document& document)
{
  std::string bytes;
  StringWriter writer(bytes);
  WriteDocument(document, writer);
  return bytes;
}

// The bytes must parse again into the same tree; `reason` says why not.
bool ReadsBackAs(const Document& document, const std::string& bytes, std::string& reason)
{
  const auto reread = ParseDocument(bytes, document.path, reason);
  if (!reread)
    return false;
  if (!(FingerprintDocument(*reread) == FingerprintDocument(document))) {
    reason.clear();
    return false;
  }
  return true;
}

}  // namespace

std::string SerializeDocument(const Document& document)
{
  std::string bytes;
  WriteLossless(document, document.original ? std::string_view(*document.original) : std::string_view(), bytes);
  return bytes;
}

CFingerPrint FingerprintDocument(const Document& document)
{
  HashWriter writer;
  WriteDocument(document, writer);
  const XXH128_hash_t digest = writer.Digest();
  CFingerPrint fingerprint;
  std::memcpy(fingerprint.bytes.data(), &digest.low64, 8);
  std::memcpy(fingerprint.bytes.data() + 8, &digest.high64, 8);
  return fingerprint;
}

bool SerializeVerified(const Document& document, std::string& bytes, std::string& error)
{
  bytes = SerializeDocument(document);
  std::string reason;
  if (ReadsBackAs(document, bytes, reason))
    return true;
  // Should the patched text ever not read back as the tree, the tree written by the parser's own
  // writer may still save the edits; only the untouched bytes then lose their form.
  std::string tree = SerializeTree(document);
  if (tree != bytes) {
    bytes = std::move(tree);
    if (ReadsBackAs(document, bytes, reason))
      return true;
  }
  if (!reason.empty())
    error = document.path + ": the document would not read back, so it is not written (" + reason + ")";
  else
    error = document.path + ": the document would not read back unchanged, so it is not written";
  return false;
}
