#include "tavo/material/FindIndex.h"

#include "tavo/material/DatabaseWalk.h"
#include "tavo/material/SearchText.h"
#include "tavo/material/Vocabulary.h"

#include <algorithm>
#include <set>
#include <unordered_map>

using namespace vocabulary;

namespace {

// The level elements that hold the entry's properties: an object's as its lookup finds it, a
// level's in every searched file.
std::vector<QODOM_ELEMENT> EntryElements(const CTavoHandler& handler, const std::vector<std::string>& names)
{
  if (names.size() == kLevelCount) {
    bool inUser = false;
    const QODOM_ELEMENT object = handler.FindObjectElement(names[0], names[1], names[2], names[3], inUser);
    return object ? std::vector<QODOM_ELEMENT>{object} : std::vector<QODOM_ELEMENT>{};
  }
  std::vector<QODOM_ELEMENT> elements;
  for (QODOM_ELEMENT file : handler.SearchedFiles())
    for (QODOM_ELEMENT element : handler.FindLevelElements(file, names))
      elements.push_back(element);
  return elements;
}

}  // namespace

// --- public operations ---

void CFindIndex::Build(const CTavoHandler& handler, const Translator& translate)
{
  m_entries.clear();
  m_texts.clear();
  m_shortNames.clear();
  std::unordered_map<std::string, std::uint32_t> shortNameIndex;
  std::unordered_map<std::string, std::uint32_t> textIndex;  // shown text -> m_texts
  const auto shown = [&](const std::string& text) { return translate ? translate(text) : text; };
  const auto add = [&](const std::string& text, const Occurrence& occurrence) {
    if (text.empty())
      return;
    auto [at, added] = textIndex.try_emplace(text, std::uint32_t(m_texts.size()));
    if (added)
      m_texts.push_back({FoldForSearch(text), text, {}});
    std::vector<Occurrence>& list = m_texts[at->second].at;
    if (list.empty() || list.back().entry != occurrence.entry || list.back().shortName != occurrence.shortName ||
        list.back().what != occurrence.what)
      list.push_back(occurrence);
  };

  std::vector<std::uint32_t> parents;  // the entries of the names above, by depth
  WalkListedDatabase(handler, [&](const std::vector<std::string>& names) {
    if (names.back().empty())
      return false;
    parents.resize(names.size() - 1);
    const auto entry = std::uint32_t(m_entries.size());
    m_entries.push_back({parents.empty() ? kNone : parents.back(), names.back()});
    parents.push_back(entry);

    // Object names stand untranslated in their list, the levels above translated.
    add(names.back(), {entry, kNone, FindHit::kLevelName});
    if (names.size() < kLevelCount)
      add(shown(names.back()), {entry, kNone, FindHit::kLevelName});
    std::set<std::string> seen;
    for (QODOM_ELEMENT element : EntryElements(handler, names)) {
      for (QODOM_ELEMENT property = QODOM_FindFirstChild(element, kEigenschaft); property;
           property = QODOM_FindNextChild(property, kEigenschaft)) {
        const std::string shortName = QODOM_GetString(property, kKurzname);
        if (shortName.empty() || !seen.insert(shortName).second)
          continue;
        const auto [at, added] = shortNameIndex.try_emplace(shortName, std::uint32_t(m_shortNames.size()));
        if (added)
          m_shortNames.push_back(shortName);
        add(shortName, {entry, at->second, FindHit::kShortName});
        const std::string longName = QODOM_GetString(property, kName);
        add(longName, {entry, at->second, FindHit::kLongName});
        add(shown(longName), {entry, at->second, FindHit::kLongName});
      }
    }
    return true;
  });
  m_built = true;
}

FindResult CFindIndex::Find(std::string_view query, std::size_t limit) const
{
  FindResult result;
  const std::string folded = FoldForSearch(query);
  if (folded.empty())
    return result;

  // Each text's occurrences are in entry order, so the first hits overall are among the first
  // `limit` of every matching text.
  struct Candidate {
    Occurrence occurrence;
    std::uint32_t text;
  };
  std::vector<Candidate> candidates;
  for (std::size_t t = 0; t < m_texts.size(); ++t) {
    const Text& text = m_texts[t];
    if (text.folded.find(folded) == std::string::npos)
      continue;
    result.total += text.at.size();
    const std::size_t taken = std::min(limit, text.at.size());
    for (std::size_t i = 0; i < taken; ++i)
      candidates.push_back({text.at[i], std::uint32_t(t)});
  }
  const auto order = [](const Candidate& a, const Candidate& b) {
    return std::tie(a.occurrence.entry, a.occurrence.what, a.occurrence.shortName, a.text) <
           std::tie(b.occurrence.entry, b.occurrence.what, b.occurrence.shortName, b.text);
  };
  std::sort(candidates.begin(), candidates.end(), order);

  for (std::size_t i = 0; i < candidates.size() && result.hits.size() < limit; ++i) {
    const Occurrence& at = candidates[i].occurrence;
    // A text and its translation may both match: one hit for the one name.
    if (i > 0 && candidates[i - 1].occurrence.entry == at.entry && candidates[i - 1].occurrence.what == at.what &&
        candidates[i - 1].occurrence.shortName == at.shortName) {
      --result.total;
      continue;
    }
    FindHit hit;
    hit.path = PathOf(at.entry);
    hit.what = static_cast<FindHit::What>(at.what);
    hit.text = m_texts[candidates[i].text].shown;
    if (at.shortName != kNone)
      hit.shortName = m_shortNames[at.shortName];
    result.hits.push_back(std::move(hit));
  }
  return result;
}

// --- private helpers ---

CMaterialPath CFindIndex::PathOf(std::uint32_t entry) const
{
  std::vector<std::string> names;
  for (std::uint32_t at = entry; at != kNone; at = m_entries[at].parent)
    names.push_back(m_entries[at].name);
  std::reverse(names.begin(), names.end());
  return CMaterialPath(std::move(names));
}
