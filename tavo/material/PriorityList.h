#pragma once
// Building the priority-ordered selection lists: a list position is the entry's priority, and
// positions that no entry claims hold empty texts.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Priorities below 0 or above this count as missing, so no list is indexed below 0 or grown to
// billions of slots.
inline constexpr int kHighestPriority = 65535;

// The level lists (Kategorie, Unterkategorie, Norm): entries in search order, the first
// occurrence of a name keeping its priority; the list is as long as the highest priority + 1
// (one empty entry when there are none); an entry whose slot is taken is appended.
class LevelListBuilder {
 public:
  void Add(const std::string& name, int priority);
  std::vector<std::string> Build() const;

 private:
  std::map<std::string, int> m_priorities;
  int m_highest = -1;
};

// The object list: an object without a priority takes the current length; the last occurrence
// of a name keeps its priority; the list is as long as the counter; an object whose slot is taken
// is appended, so no object becomes unreachable.
class ObjectListBuilder {
 public:
  // `hasPriority` false: the object has no usable Prioritaet.
  void Add(std::string_view name, bool hasPriority, int priority);
  std::vector<std::string> Build() const;

 private:
  // In the order added: a code holds thousands of objects, which are not sorted into a tree one
  // by one.
  std::vector<std::pair<std::string, int>> m_entries;
  int m_length = 0;
};
