#include "tavo/tavoEdit/ChangeTexts.h"

#include "tavo/material/MaterialPath.h"
#include "tavo/outside/VBT.h"

namespace {

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

// The translated pattern with its %s replaced.
std::string Filled(const char* pattern, const std::string& value)
{
  std::string text = Translate(pattern);
  const auto slot = text.find("%s");
  if (slot != std::string::npos)
    text.replace(slot, 2, value);
  return text;
}

}  // namespace

std::string ChangeCauseText(ChangeKind kind, const std::string& objectPath)
{
  const auto path = CMaterialPath::Parse(objectPath);
  const std::string object = path ? path->Names().back() : objectPath;
  switch (kind) {
    case ChangeKind::kGridEdit: return Filled("Werte von %s geändert", object);
    case ChangeKind::kRecalculation: return Filled("neu berechnet beim Anzeigen von %s", object);
    case ChangeKind::kCopy: return Filled("Kopie von %s erstellt", object);
    case ChangeKind::kDelete: return Filled("%s gelöscht", object);
    case ChangeKind::kPriority: return Filled("Priorität von %s geändert", object);
    case ChangeKind::kOther: break;
  }
  return object;
}

std::string ChangeLineText(const ChangeLine& line)
{
  switch (line.kind) {
    case ChangeLine::Kind::kAdded: return Filled("%s hinzugefügt", line.element);
    case ChangeLine::Kind::kRemoved: return Filled("%s entfernt", line.element);
    case ChangeLine::Kind::kAttribute: break;
  }
  return line.element + " " + line.attribute;
}

std::string ChangeValueText(const std::optional<std::string>& text)
{
  return text ? *text : Translate("(fehlt)");
}
