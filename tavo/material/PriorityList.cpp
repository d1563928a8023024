#include "tavo/material/PriorityList.h"

#include <algorithm>

namespace {

bool InRange(int priority)
{
  return priority >= 0 && priority <= kHighestPriority;
}

// Puts each name into its slot while the slot is still empty, else at the end. A slot holding an
// empty name counts as empty: an entry without a name never pushes a named one out of its place.
std::vector<std::string> Place(const std::map<std::string, int>& priorities, std::size_t length)
{
  std::vector<std::string> list(length);
  for (const auto& [name, priority] : priorities) {
    std::string& slot = list[static_cast<std::size_t>(priority)];
    if (slot.empty())
      slot = name;
    else
      list.push_back(name);
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
