#include "tavo/material/ObjectReading.h"

#include "tavo/material/Vocabulary.h"
#include "tavo/outside/QODOM.h"
#include "tavo/outside/QOTAVO.h"
#include "tavo/outside/ReducedReading.h"

#include <array>
#include <optional>

using namespace vocabulary;

namespace {

// What a lookup of the four names walks (see CTavoHandler::FindObjectElement and
// CollectObjectProperties): below each level element every child, of any tag, whose Name is the
// next name; below the object nothing further; and every property of each of them. A Name written
// with a reference or a line break is kept as if it matched: the parser decides what it reads.
KeepElement Decide(const std::array<std::string, kLevelCount>& names, std::size_t depth, std::string_view tag,
                   std::string_view name)
{
  if (depth <= names.size() && (name == names[depth - 1] || name.find_first_of("&\t\n\r") != std::string_view::npos))
    return KeepElement::kWithChildren;
  return tag == kEigenschaft ? KeepElement::kAlone : KeepElement::kNot;
}

// The file reduced and parsed; 0 when either cannot be done.
QODOM_ELEMENT OpenReduced(const std::string& path, const std::array<std::string, kLevelCount>& names)
{
  const std::optional<std::string> reduced = ReduceDocumentFile(
      path, kName,
      [&](std::size_t depth, std::string_view tag, std::string_view name) { return Decide(names, depth, tag, name); });
  if (!reduced)
    return 0;
  std::string error;
  return QODOM_ParseDoc(*reduced, path, error);
}

}  // namespace

std::unique_ptr<CTavoHandler> OpenForOneObject(const std::string& kat, const std::string& ukat, const std::string& norm,
                                               const std::string& objekt)
{
  std::string mapped = objekt;
  CTavoHandler::MapSteelName(kat, ukat, norm, mapped);
  const std::array<std::string, kLevelCount> names{kat, ukat, CTavoHandler::NormalizeNormName(norm), mapped};
  for (const std::string& name : names)
    if (name.empty())
      return nullptr;
  const QODOM_ELEMENT standard = OpenReduced(QOTAVO_StandardFilePath(), names);
  if (!standard)
    return nullptr;
  // A user file that cannot be read so (missing, small, unusual) is opened as a whole.
  QODOM_ELEMENT user = OpenReduced(QOTAVO_UserFilePath(0), names);
  if (!user)
    user = QOTAVO_OpenUser(0);
  if (!user) {
    QODOM_CloseDoc(standard);
    return nullptr;
  }
  return std::make_unique<CTavoHandler>(standard, user);
}
