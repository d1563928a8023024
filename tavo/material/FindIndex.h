#pragma once
// The quick find over the whole database: the names of the four levels and the short and long
// names of every property, untranslated and translated, compared without case and accents. The
// index is built once by the database walk; a query then scans each distinct text once, so a
// keystroke stays fast at a hundred thousand objects.

#include "tavo/material/MaterialPath.h"
#include "tavo/material/TavoHandler.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct FindHit {
  enum What { kLevelName, kShortName, kLongName };
  CMaterialPath path{{}};  // the object, or the level, that the hit belongs to
  What what = kLevelName;
  std::string text;       // the text that matched, as shown (the translation when that matched)
  std::string shortName;  // the property's short name for kShortName and kLongName

  int Level() const { return path.Depth(); }  // 1 Kategorie ... 4 Objekt
};

struct FindResult {
  std::vector<FindHit> hits;  // the first hits in list order, at most the limit asked for
  std::size_t total = 0;      // how many there are in all
};

class CFindIndex {
 public:
  // Texts as the editor shows them; the identity when absent.
  using Translator = std::function<std::string(const std::string&)>;

  // Indexes every listed entry (the walk's order is the hits' order) with the properties of its
  // elements: an object's as its lookup finds it, a level's in every file. Reads only.
  void Build(const CTavoHandler& handler, const Translator& translate = {});
  bool Built() const { return m_built; }
  std::size_t EntryCount() const { return m_entries.size(); }

  // The hits whose text contains the query; an empty query finds nothing.
  FindResult Find(std::string_view query, std::size_t limit) const;

 private:
  struct Entry {
    std::uint32_t parent;  // index of the entry above; kNone for a Kategorie
    std::string name;
  };
  struct Occurrence {
    std::uint32_t entry;
    std::uint32_t shortName;  // index into m_shortNames; kNone for a level name
    std::uint8_t what;
  };
  struct Text {
    std::string folded;
    std::string shown;
    std::vector<Occurrence> at;  // in entry order
  };
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  CMaterialPath PathOf(std::uint32_t entry) const;

  std::vector<Entry> m_entries;
  std::vector<Text> m_texts;
  std::vector<std::string> m_shortNames;
  bool m_built = false;
};
