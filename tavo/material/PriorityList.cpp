#include "tavo/material/PriorityList.h"

#include <algorithm>

namespace {

bool InRange(int priority)
{
  return priority >= 0 && priority <= kHighestPriority;
}

// Puts each name into its slot; a name whose slot is taken goes to the end.
std::vector<std::string> Place(const std::map<std::string, int>& priorities, std::size_t length)
{
  std::vector<std::string> list(length);
  std::vector<bool> taken(length, false);
  for (const auto& [name, priority] : priorities) {
    const auto slot = static_cast<std::size_t>(priority);
    if (!taken[slot]) {
      list[slot] = name;
      taken[slot] = true;
    } else {
      list.push_back(name);
    }
  }
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

void ObjectListBuilder::Add(const std::string& name, bool hasPriority, int priority)
{
  if (!hasPriority || !InRange(priority))
    priority = m_length;
  m_priorities[name] = priority;
  m_length = std::max(m_length, priority + 1);
}

std::vector<std::string> ObjectListBuilder::Build() const
{
  return Place(m_priorities, static_cast<std::size_t>(m_length));
}
