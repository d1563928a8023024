#include "tavo/material/PriorityList.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace {

bool InRange(int priority)
{
  return priority >= 0 && priority <= kHighestPriority;
}

// Puts each name into its slot; of the names that claim one slot the first by name keeps it and
// the others are appended, by name too, whatever order the names come in. A name-less entry takes
// no slot: the slot it claims holds an empty text unless a named entry claims it too.
template <typename Priorities>
std::vector<std::string> Place(const Priorities& priorities, std::size_t length)
{
  std::vector<std::string> list(length);
  std::vector<std::string> displaced;
  for (const auto& [name, priority] : priorities) {
    if (name.empty())
      continue;
    std::string& slot = list[static_cast<std::size_t>(priority)];
    if (slot.empty())
      slot = name;
    else if (name < slot)
      displaced.push_back(std::exchange(slot, std::string(name)));
    else
      displaced.emplace_back(name);
  }
  std::sort(displaced.begin(), displaced.end());
  list.insert(list.end(), std::make_move_iterator(displaced.begin()), std::make_move_iterator(displaced.end()));
  return list;
}

}  // namespace

void LevelListBuilder::Add(const std::string& name, int priority)
{
  if (!InRange(priority))
    priority = 0;
  m_priorities.try_emplace(name, priority);
  m_highest = std::max(m_highest, priority);
}

std::vector<std::string> LevelListBuilder::Build() const
{
  return Place(m_priorities, static_cast<std::size_t>(std::max(m_highest, 0) + 1));
}

void ObjectListBuilder::Add(std::string_view name, bool hasPriority, int priority)
{
  if (!hasPriority || !InRange(priority))
    priority = m_length;
  m_entries.emplace_back(name, priority);
  m_length = std::max(m_length, priority + 1);
}

std::vector<std::string> ObjectListBuilder::Build() const
{
  // The last occurrence of a name keeps its priority.
  std::unordered_map<std::string_view, int> priorities;
  priorities.reserve(m_entries.size());
  for (const auto& [name, priority] : m_entries)
    priorities[name] = priority;
  return Place(priorities, static_cast<std::size_t>(m_length));
}
