#include "tavo/material/ChangeReport.h"

#include "tavo/material/Vocabulary.h"
#include "tavo/outside/QODOMJournal.h"

#include <map>
#include <set>
#include <utility>

using namespace vocabulary;

namespace {

std::string Describe(const char* tag, const char* kurzname, const char* name)
{
  if (std::string(tag) == kEigenschaft && *kurzname)
    return kurzname;
  return *name ? std::string(tag) + " " + name : std::string(tag);
}

std::string DescribeElement(QODOM_ELEMENT element)
{
  return Describe(QODOM_GetTagName(element), QODOM_GetString(element, kKurzname), QODOM_GetString(element, kName));
}

// One group as it is collected: its lines, and where each element's lines stand.
struct Collecting {
  ChangeGroup group;
  std::map<std::pair<QODOM_ELEMENT, std::string>, std::size_t> attributes;
  std::vector<QODOM_ELEMENT> lineElements;  // the element of each line
  std::vector<bool> dropped;
};

class Collector {
 public:
  // Adds one change of the journal; `backwards` for a change that the document now stands before.
  void Add(const DocumentJournal& journal, const JournalEntry& entry, bool backwards)
  {
    const std::size_t group = GroupIndex(journal.CauseOf(entry));
    if (const auto* attribute = std::get_if<AttributeChange>(&entry.change))
      AddAttribute(m_groups[group], *attribute, backwards);
    else
      AddNode(group, std::get<NodeChange>(entry.change), backwards);
  }

  std::vector<ChangeGroup> Groups()
  {
    std::vector<ChangeGroup> result;
    for (bool recalculation : {false, true})
      for (Collecting& collecting : m_groups)
        if (collecting.group.recalculation == recalculation) {
          ChangeGroup group = Finished(collecting);
          if (!group.lines.empty())
            result.push_back(std::move(group));
        }
    return result;
  }

 private:
  std::size_t GroupIndex(const ChangeCause& cause)
  {
    const bool recalculation = cause.kind == ChangeKind::kRecalculation;
    const auto [found, added] = m_byKey.try_emplace({recalculation, cause.object}, m_groups.size());
    if (added) {
      m_groups.emplace_back();
      m_groups.back().group.object = cause.object;
      m_groups.back().group.recalculation = recalculation;
    }
    return found->second;
  }

  static void AddLine(Collecting& into, ChangeLine line, QODOM_ELEMENT element)
  {
    into.group.lines.push_back(std::move(line));
    into.lineElements.push_back(element);
    into.dropped.push_back(false);
  }

  static void AddAttribute(Collecting& into, const AttributeChange& change, bool backwards)
  {
    const auto& before = backwards ? change.after : change.before;
    const auto& after = backwards ? change.before : change.after;
    const auto [found, added] = into.attributes.try_emplace({change.element, change.name}, into.group.lines.size());
    if (!added) {
      into.group.lines[found->second].after = after;
      return;
    }
    AddLine(into, ChangeLine{ChangeLine::Kind::kAttribute, "", change.name, before, after}, change.element);
  }

  // An element added and removed again is listed by neither change, whichever causes they had.
  void AddNode(std::size_t groupIndex, const NodeChange& change, bool backwards)
  {
    if (!change.element)
      return;  // white space between elements
    const auto found = m_nodes.find(change.element);
    if (found != m_nodes.end()) {
      m_groups[found->second.first].dropped[found->second.second] = true;
      m_nodes.erase(found);
      return;
    }
    // A node in the document is described by its element, one out of it by the kept copy.
    std::string element = change.kept
                              ? Describe(change.KeptTag(), change.KeptAttribute(kKurzname), change.KeptAttribute(kName))
                              : DescribeElement(change.element);
    Collecting& into = m_groups[groupIndex];
    m_nodes[change.element] = {groupIndex, into.group.lines.size()};
    const bool added = change.inserted != backwards;
    AddLine(into,
            ChangeLine{added ? ChangeLine::Kind::kAdded : ChangeLine::Kind::kRemoved, std::move(element), "", {}, {}},
            change.element);
  }

  static ChangeGroup Finished(Collecting& collecting)
  {
    std::set<QODOM_ELEMENT> addedElements;
    for (std::size_t n = 0; n < collecting.group.lines.size(); ++n)
      if (!collecting.dropped[n] && collecting.group.lines[n].kind == ChangeLine::Kind::kAdded)
        addedElements.insert(collecting.lineElements[n]);
    const auto insideAdded = [&addedElements](QODOM_ELEMENT element, bool itself) {
      for (QODOM_ELEMENT up = itself ? element : QODOM_GetParentElement(element); up; up = QODOM_GetParentElement(up))
        if (addedElements.count(up))
          return true;
      return false;
    };
    ChangeGroup group;
    group.object = collecting.group.object;
    group.recalculation = collecting.group.recalculation;
    for (std::size_t n = 0; n < collecting.group.lines.size(); ++n) {
      ChangeLine& line = collecting.group.lines[n];
      const QODOM_ELEMENT element = collecting.lineElements[n];
      if (collecting.dropped[n])
        continue;
      if (line.kind == ChangeLine::Kind::kAttribute) {
        // An element no longer in the document is listed as removed, not with its attributes.
        if (line.before == line.after || !QODOM_GetDocument(element) || insideAdded(element, true))
          continue;
        line.element = DescribeElement(element);
      } else if (line.kind == ChangeLine::Kind::kAdded && insideAdded(element, false)) {
        continue;
      }
      group.lines.push_back(std::move(line));
    }
    return group;
  }

  std::vector<Collecting> m_groups;
  std::map<std::pair<bool, std::string>, std::size_t> m_byKey;
  std::map<QODOM_ELEMENT, std::pair<std::size_t, std::size_t>> m_nodes;  // group and line of each element
};

}  // namespace

std::vector<ChangeGroup> ChangesSinceSave(QODOM_DOCUMENT document)
{
  const DocumentJournal* journal = QODOM_GetJournal(document);
  if (!journal)
    return {};
  const std::size_t now = journal->Position();
  const std::size_t saved = journal->SavedPosition() == DocumentJournal::npos ? 0 : journal->SavedPosition();
  Collector collector;
  for (std::size_t index = saved; index < now; ++index)
    collector.Add(*journal, journal->Entries()[index], false);
  for (std::size_t index = saved; index > now; --index)
    collector.Add(*journal, journal->Entries()[index - 1], true);
  return collector.Groups();
}

std::vector<RecalculatedValue> RecalculatedValues(QODOM_DOCUMENT document, std::size_t from)
{
  std::vector<RecalculatedValue> values;
  const DocumentJournal* journal = QODOM_GetJournal(document);
  if (!journal)
    return values;
  for (std::size_t index = from; index < journal->Position(); ++index) {
    const JournalEntry& entry = journal->Entries()[index];
    const auto* change = std::get_if<AttributeChange>(&entry.change);
    if (!change || journal->CauseOf(entry).kind != ChangeKind::kRecalculation)
      continue;
    values.push_back(RecalculatedValue{journal->CauseOf(entry).object, QODOM_GetString(change->element, kKurzname),
                                       change->name, change->before.value_or(""), change->after.value_or("")});
  }
  return values;
}
