#include "tavo/material/ObjectActions.h"

#include "tavo/material/ChangeScope.h"
#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
#include <limits>

using namespace vocabulary;

namespace {

CTavoObj Lookup(CTavoHandler& handler, ObjectPath path)
{
  CTavoObj object;
  handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
  return object;
}

// The child with that Name, made (with only its Name) when there is none.
QODOM_ELEMENT FindOrAddLevel(QODOM_ELEMENT parent, const char* tag, const std::string& name)
{
  QODOM_ELEMENT level = QODOM_FindFirstChildWithAttr(parent, kName, name.c_str());
  if (!level) {
    level = QODOM_AddChildElement(parent, tag);
    QODOM_SetString(level, kName, name.c_str());
  }
  return level;
}

}  // namespace

int ProposedCopyPriority(CTavoHandler& handler, const ObjectPath& path, const std::vector<std::string>& objectNames)
{
  int highest = -1;
  for (const std::string& name : objectNames) {
    ObjectPath each = path;
    each.objekt = name;
    highest = std::max(highest, Lookup(handler, each).priority);
  }
  return highest + 1;
}

bool CopyObject(CTavoHandler& handler, const ObjectPath& source, const CopyTarget& target)
{
  const QODOM_ELEMENT file = target.intoUserFile ? handler.UserFile() : handler.StandardFile();
  if (!file)
    return false;
  const CChangeScope scope(ChangeKind::kCopy, PathText(source));
  const QODOM_ELEMENT kategorie = FindOrAddLevel(file, kKategorie, source.kat);
  const QODOM_ELEMENT unterkategorie = FindOrAddLevel(kategorie, kUnterkategorie, source.ukat);
  const QODOM_ELEMENT norm = FindOrAddLevel(unterkategorie, kNorm, source.norm);
  const QODOM_ELEMENT copy = QODOM_AddChildElement(norm, kObjekt);

  const CTavoObj original = Lookup(handler, source);
  if (target.intoUserFile)
    original.CopyPropertiesTo(copy);
  else
    QODOM_CloneElementTree(original.objectElement, copy);

  QODOM_SetString(copy, kName, target.newName.c_str());
  if (!target.priorityText.empty())
    QODOM_SetString(copy, kPrioritaet, target.priorityText.c_str());
  else
    QODOM_DeleteAttr(copy, kPrioritaet);
  return true;
}

bool MayDelete(CTavoHandler& handler, ObjectPath& path, bool qorMode)
{
  CTavoObj object;
  handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
  return CanEdit(qorMode, object.inUserFile);
}

void DeleteObject(CTavoHandler& handler, const ObjectPath& path)
{
  const CChangeScope scope(ChangeKind::kDelete, PathText(path));
  QODOM_DeleteElement(Lookup(handler, path).objectElement);
  handler.ForgetCurrentObject();
}

std::optional<int> ReadPriorityText(const std::string& text)
{
  if (!StartsWithInteger(text))
    return std::nullopt;
  const int64_t value = ReadLeadingInteger(text);
  if (value == -1 || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

void SetObjectPriority(CTavoHandler& handler, const ObjectPath& path, int priority)
{
  const CChangeScope scope(ChangeKind::kPriority, PathText(path));
  QODOM_SetInt(Lookup(handler, path).objectElement, kPrioritaet, priority);
}
