#include "tavo/material/ObjectView.h"

#include "tavo/material/DatabaseWalk.h"
#include "tavo/material/ObjectProperties.h"

#include <algorithm>
#include <map>

using namespace vocabulary;

namespace {

// Whether a lookup of the object would write anything back: some formula's value differs from
// its stored text. Then it writes the value and the formula of every short name into every row
// of that name, which the view does in memory.
bool WouldWriteBack(const ObjectProperties& stored, const ShortNameTexts& computed)
{
  return std::any_of(stored.formulas.begin(), stored.formulas.end(), [&](const auto& formula) {
    const auto before = stored.values.find(formula.first);
    return before != stored.values.end() && before->second != computed.at(formula.first);
  });
}

void MarkDuplicates(std::vector<ViewedRow>& rows)
{
  std::map<std::string, std::vector<std::size_t>> byName;
  for (std::size_t i = 0; i < rows.size(); ++i)
    byName[rows[i].kurzname].push_back(i);
  for (const auto& [name, indexes] : byName) {
    std::vector<int> levels;
    for (std::size_t i : indexes)
      if (std::find(levels.begin(), levels.end(), rows[i].origin.level) == levels.end())
        levels.push_back(rows[i].origin.level);
    // The rows come from the object up, and a later row of the same name overrides an earlier one.
    const std::size_t winner = indexes.back();
    for (std::size_t i : indexes) {
      rows[i].levels = levels;
      rows[i].winningLevel = rows[winner].origin.level;
      rows[i].wins = i == winner;
    }
  }
}

}  // namespace

PropertyOrigin OriginOf(QODOM_ELEMENT property, QODOM_ELEMENT userFile)
{
  PropertyOrigin origin;
  const QODOM_ELEMENT holder = QODOM_GetParentElement(property);
  origin.holder = QODOM_GetString(holder, kName);
  origin.level = LevelOfTag(QODOM_GetTagName(holder));
  origin.inUserFile = userFile != 0 && QODOM_GetDocument(property) == QODOM_GetDocument(userFile);
  return origin;
}

int ObjectsBelow(QODOM_ELEMENT levelElement)
{
  const int depth = LevelOfTag(QODOM_GetTagName(levelElement));
  return depth == 0 ? 0 : static_cast<int>(LevelElements(levelElement, kLevelCount, depth).size());
}

const char* LevelName(int level)
{
  return level >= 1 && level <= kLevelCount ? kLevelElements[level - 1] : "";
}

ObjectView ViewObject(const CTavoHandler& handler, const CMaterialPath& path)
{
  std::vector<std::string> names = path.Names();
  names.resize(kLevelCount);
  CTavoHandler::MapSteelName(names[0], names[1], names[2], names[3]);
  bool inUser = false;
  const QODOM_ELEMENT element = handler.FindObjectElement(names[0], names[1], names[2], names[3], inUser);
  ObjectView view = ViewObjectElement(element, inUser, handler.UserFile());
  view.path = CMaterialPath(names);
  return view;
}

ObjectView ViewObjectElement(QODOM_ELEMENT object, bool inUserFile, QODOM_ELEMENT userFile)
{
  ObjectView view;
  view.element = object;
  view.inUserFile = inUserFile;
  if (!object)
    return view;
  const ObjectProperties stored = CollectObjectProperties(object);
  view.values = RecalculateValues(stored.values, stored.formulas, &view.warnings);
  view.formulas = stored.formulas;
  const bool writesBack = WouldWriteBack(stored, view.values);

  for (QODOM_ELEMENT element : stored.elements) {
    ViewedRow row;
    row.kurzname = QODOM_GetString(element, kKurzname);
    if (row.kurzname.empty())
      continue;
    row.element = element;
    row.origin = OriginOf(element, userFile);
    row.name = QODOM_GetString(element, kName);
    row.formel = QODOM_GetString(element, kFormel);
    row.dimension = QODOM_GetString(element, kDimension);
    row.einheit = QODOM_GetString(element, kEinheit);
    for (int column = 1; column <= kValueColumns; ++column)
      row.wert[column - 1] = QODOM_GetString(element, ValueAttribute(column).c_str());
    if (writesBack) {
      row.wert[0] = view.values.at(row.kurzname);
      if (const auto formula = view.formulas.find(row.kurzname); formula != view.formulas.end())
        row.formel = formula->second;
    }
    view.rows.push_back(std::move(row));
  }
  MarkDuplicates(view.rows);
  return view;
}
