#include "tavo/formula/VariableTable.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kFirstRecords = 32;

}  // namespace

// Eight bytes at a time, each word mixed in by one multiplication: short names take one or two
// steps and spread well enough for an index kept at most half full.
std::size_t VariableTable::Hash(std::string_view text)
{
  std::uint64_t hash = text.size() * 0x9e3779b97f4a7c15ull;
  for (std::size_t at = 0; at < text.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, std::min<std::size_t>(8, text.size() - at));
    hash = (hash ^ word) * 0xbf58476d1ce4e5b9ull;
    hash ^= hash >> 31;
  }
  return static_cast<std::size_t>(hash);
}

std::string_view VariableTable::ShortName(std::string_view fullName)
{
  const std::size_t slash = fullName.rfind('\\');
  return slash == std::string_view::npos ? fullName : fullName.substr(slash + 1);
}

const VariableRecord* VariableTable::Find(std::string_view shortName, std::size_t hash) const
{
  if (m_slots.empty()) {
    return nullptr;
  }
  const std::uint32_t index = m_slots[Slot(shortName, hash)];
  return index == 0 ? nullptr : &m_records[index - 1];
}

VariableRecord& VariableTable::Enter(const std::string& fullName, bool& created)
{
  if ((m_records.size() + 1) * 2 > m_slots.size()) {
    Grow();
  }
  const std::string_view shortName = ShortName(fullName);
  const std::size_t slot = Slot(shortName, Hash(shortName));
  created = m_slots[slot] == 0;
  if (created) {
    if (m_records.empty()) {
      m_records.reserve(kFirstRecords);
    }
    m_records.emplace_back();
    ++m_layout;
    m_slots[slot] = static_cast<std::uint32_t>(m_records.size());
  }
  VariableRecord& record = m_records[m_slots[slot] - 1];
  record.fullName = fullName;
  record.shortStart = fullName.size() - shortName.size();
  return record;
}

// The slot that holds the short name, or the free slot where it belongs.
std::size_t VariableTable::Slot(std::string_view shortName, std::size_t hash) const
{
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t index = m_slots[slot];
    if (index == 0 || m_records[index - 1].ShortName() == shortName) {
      return slot;
    }
  }
}

void VariableTable::Grow()
{
  m_slots.assign(m_slots.empty() ? 2 * kFirstRecords : 2 * m_slots.size(), 0);
  for (std::size_t i = 0; i < m_records.size(); ++i) {
    m_slots[Slot(m_records[i].ShortName(), Hash(m_records[i].ShortName()))] = static_cast<std::uint32_t>(i + 1);
  }
}
