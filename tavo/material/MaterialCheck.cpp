#include "tavo/material/MaterialCheck.h"

#include "tavo/material/ObjectFormulaCheck.h"
#include "tavo/material/ObjectProperties.h"
#include "tavo/material/PriorityList.h"
#include "tavo/material/Vocabulary.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

using namespace vocabulary;

namespace {

constexpr int kObjektLevel = 4;

std::string JoinNames(const std::vector<std::string>& names)
{
  std::string path;
  for (std::size_t i = 0; i < names.size(); ++i)
    path += (i ? "\\" : "") + (names[i].empty() ? std::string("(no Name)") : names[i]);
  return path;
}

std::string Location(QODOM_ELEMENT element)
{
  return QODOM_GetPath(QODOM_GetDocument(element)) + ":" + std::to_string(QODOM_GetLine(element));
}

// The whole text is an integer (an optional sign and digits).
bool IsWholeNumber(const std::string& text)
{
  const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

}  // namespace

std::string FormatFinding(const CheckFinding& finding)
{
  return finding.file + ":" + std::to_string(finding.line) + ": " + (finding.path.empty() ? "(root)" : finding.path) +
         ": " + (finding.note ? "note: " : "") + finding.message;
}

// --- public operations ---

std::vector<CheckFinding> CMaterialCheck::Run()
{
  m_entries.clear();
  m_findings.clear();
  m_reportedFormulas.clear();
  m_recalculated.clear();
  m_recalculatedIndex.clear();
  for (QODOM_ELEMENT file : {m_handler.StandardFile(), m_handler.UserFile()})
    if (file)
      WalkFile(file);
  CheckRecalculatedValues();
  CheckSharedPriorities();
  CheckHiddenObjects();

  const std::string standard = QODOM_GetPath(QODOM_GetDocument(m_handler.StandardFile()));
  std::stable_sort(m_findings.begin(), m_findings.end(), [&](const CheckFinding& a, const CheckFinding& b) {
    const bool aFirst = a.file == standard, bFirst = b.file == standard;
    return aFirst != bFirst ? aFirst : a.line < b.line;
  });
  return m_findings;
}

// --- the walk through one file ---

void CMaterialCheck::WalkFile(QODOM_ELEMENT root)
{
  CheckChildren(root, 0, {});
}

// The schema is four levels deep and unknown elements are not entered, so this recursion is
// bounded however deep a file nests.
void CMaterialCheck::CheckChildren(QODOM_ELEMENT parent, int level, const std::vector<std::string>& names)
{
  std::map<std::string, QODOM_ELEMENT> entryNames, shortNames;
  const std::string parentTag = QODOM_GetTagName(parent);
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(parent); child; child = QODOM_GetNextSiblingElement(child)) {
    const std::string tag = QODOM_GetTagName(child);
    if (tag == kEigenschaft) {
      CheckProperty(child, names);
      const std::string shortName = QODOM_GetString(child, kKurzname);
      if (const auto [first, added] = shortNames.try_emplace(shortName, child); !added)
        Report(child, names,
               "the Kurzname \"" + shortName + "\" repeats the property at line " +
                   std::to_string(QODOM_GetLine(first->second)) + "; the later one wins");
      continue;
    }
    if (level >= kObjektLevel || tag != kLevelElements[level]) {
      Report(child, names, "unknown element <" + tag + "> under <" + parentTag + ">; it is ignored");
      continue;
    }
    const std::string name = QODOM_GetString(child, kName);
    std::vector<std::string> childNames = names;
    childNames.push_back(name);
    if (name.empty())
      Report(child, childNames, "the " + tag + " has no Name, so no list can show it");
    else if (const auto [first, added] = entryNames.try_emplace(name, child); !added)
      Report(child, childNames,
             "the Name repeats the " + tag + " at line " + std::to_string(QODOM_GetLine(first->second)));

    Entry entry{child,
                QODOM_GetDocument(parent) == QODOM_GetDocument(m_handler.UserFile()) ? m_handler.UserFile()
                                                                                     : m_handler.StandardFile(),
                level + 1, childNames, CheckPriority(child, level + 1, childNames)};
    m_entries.push_back(entry);
    CheckChildren(child, level + 1, childNames);
    if (entry.level == kObjektLevel)
      CheckFormulas(entry);
  }
}

void CMaterialCheck::CheckProperty(QODOM_ELEMENT property, const std::vector<std::string>& names)
{
  if (!QODOM_HasAttr(property, kKurzname) || *QODOM_GetString(property, kKurzname) == '\0')
    Report(property, names, "a property without Kurzname: no formula can refer to it");
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(property); child; child = QODOM_GetNextSiblingElement(child))
    Report(child, names,
           "unknown element <" + std::string(QODOM_GetTagName(child)) + "> under <Eigenschaft>; it is ignored");
}

// The priority the lists give the entry, -1 when it has no usable one of its own.
int CMaterialCheck::CheckPriority(QODOM_ELEMENT entry, int level, const std::vector<std::string>& names)
{
  const std::string text = QODOM_GetString(entry, kPrioritaet);
  if (text.empty())
    return -1;
  const int value = QODOM_GetInt(entry, kPrioritaet);
  const std::string shown = "the Prioritaet \"" + text + "\"";
  const char* missing = level == kObjektLevel ? " counts as missing: the object is listed at the end"
                                              : " counts as missing: the entry takes position 0";
  if (!IsWholeNumber(text))
    Report(entry, names,
           shown + " is not a whole number" +
               (value < 0 || value > kHighestPriority ? std::string(";") + missing
                                                      : "; it is read as " + std::to_string(value)));
  else if (value < 0)
    Report(entry, names, shown + " is negative and" + missing);
  else if (value > kHighestPriority)
    Report(entry, names, shown + " is above " + std::to_string(kHighestPriority) + " and" + missing);
  return value >= 0 && value <= kHighestPriority ? value : -1;
}

void CMaterialCheck::CheckFormulas(const Entry& object)
{
  ValueElements holders;
  const ObjectProperties properties = CollectObjectProperties(object.element, &holders);
  // A formula of a level above is tried with every object below it; one report is enough.
  for (const FormulaFinding& finding : CheckObjectFormulas(properties))
    if (m_reportedFormulas.insert({finding.property, finding.message}).second)
      Report(finding.property, object.names, finding.message);

  // What a lookup of this object would compute, without writing anything.
  const ShortNameTexts computed = RecalculateValues(properties.values, properties.formulas);
  for (const auto& [name, formula] : properties.formulas) {
    const QODOM_ELEMENT holder = holders.at(name);
    const std::string& text = computed.at(name);
    const auto [slot, added] = m_recalculatedIndex.try_emplace(holder, m_recalculated.size());
    if (added) {
      std::size_t depth = object.names.size();
      for (QODOM_ELEMENT level = object.element; level && level != QODOM_GetParentElement(holder);
           level = QODOM_GetParentElement(level))
        --depth;
      Recalculated& seen = m_recalculated.emplace_back(holder, Recalculated{}).second;
      seen.names.assign(object.names.begin(), object.names.begin() + static_cast<std::ptrdiff_t>(depth));
      seen.first = {object.names.back(), text};
      continue;
    }
    Recalculated& seen = m_recalculated[slot->second].second;
    if (!seen.other && text != seen.first.second)
      seen.other.emplace(object.names.back(), text);
  }
}

void CMaterialCheck::CheckRecalculatedValues()
{
  for (const auto& [holder, seen] : m_recalculated) {
    const std::string stored = QODOM_GetString(holder, kWert01);
    const std::string shortName = QODOM_GetString(holder, kKurzname);
    const auto& [firstObject, firstText] = seen.first;
    const auto& other = seen.other;
    if (other)
      Report(holder, seen.names,
             "the formula row " + shortName +
                 " above object level holds a value that depends on the object viewed (\"" + firstText + "\" for " +
                 firstObject + ", \"" + other->second + "\" for " + other->first +
                 "); viewing an object writes its value here",
             true);
    else if (stored != firstText)
      Report(holder, seen.names, "stale value: Wert01 \"" + stored + "\" is recalculated as \"" + firstText + "\"");
  }
}

// --- checks across both files ---

// Entries that share a priority within one list: the list shows the loser elsewhere than its
// priority says. Level lists keep the first occurrence of a name, the object list the last.
void CMaterialCheck::CheckSharedPriorities()
{
  std::map<std::pair<int, std::vector<std::string>>, std::map<std::string, const Entry*>> lists;
  for (const Entry& entry : m_entries) {
    std::vector<std::string> parent(entry.names.begin(), entry.names.end() - 1);
    if (entry.level == kObjektLevel)
      parent[2] = CTavoHandler::NormalizeNormName(parent[2]);
    auto& kept = lists[{entry.level, parent}];
    if (entry.level == kObjektLevel)
      kept[entry.names.back()] = &entry;
    else
      kept.try_emplace(entry.names.back(), &entry);
  }
  for (const auto& [key, kept] : lists) {
    const std::vector<std::string> list = m_handler.ListLevel(key.second);
    // Where each name is first shown, found once per list rather than once per entry.
    std::unordered_map<std::string_view, std::size_t> firstShown;
    for (std::size_t at = 0; at < list.size(); ++at)
      firstShown.try_emplace(list[at], at);
    for (const auto& [name, entry] : kept) {
      const auto shown = firstShown.find(name);
      const auto priority = static_cast<std::size_t>(entry->priority);
      if (entry->priority < 0 || name.empty() || shown == firstShown.end() || priority >= list.size() ||
          list[priority] == name)
        continue;
      Report(entry->element, entry->names,
             "the Prioritaet " + std::to_string(priority) + " is also held by \"" + list[priority] +
                 "\"; the list shows this " + kLevelElements[entry->level - 1] + " at position " +
                 std::to_string(shown->second) + " instead");
    }
  }
}

// A user object whose path the standard file also holds: every lookup finds the standard one.
void CMaterialCheck::CheckHiddenObjects()
{
  const QODOM_ELEMENT standard = m_handler.StandardFile();
  if (!standard || !m_handler.UserFile())
    return;
  for (const Entry& entry : m_entries) {
    if (entry.level != kObjektLevel || entry.file != m_handler.UserFile())
      continue;
    const auto& n = entry.names;
    for (QODOM_ELEMENT norm :
         m_handler.FindLevelElements(standard, {n[0], n[1], CTavoHandler::NormalizeNormName(n[2])}))
      if (const QODOM_ELEMENT hider = QODOM_FindFirstChildWithAttr(norm, kName, n[3].c_str())) {
        Report(entry.element, n,
               "hidden by the object of the same path in the standard file (" + Location(hider) +
                   "); every lookup shows that one");
        break;
      }
  }
}

// --- private helpers ---

void CMaterialCheck::Report(QODOM_ELEMENT element, const std::vector<std::string>& names, const std::string& message,
                            bool note)
{
  m_findings.push_back(
      {QODOM_GetPath(QODOM_GetDocument(element)), QODOM_GetLine(element), JoinNames(names), message, note});
}
