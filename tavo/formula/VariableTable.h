#pragma once
// The variables of a CQORParser, one per short name (the part of the full name after its last
// backslash): records in the order entered, found through an open-addressing index, so that
// entering a few dozen variables costs two allocations, not one per variable.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct VariableRecord {
  std::string fullName;        // as entered, possibly a path with backslashes
  std::size_t shortStart = 0;  // where the short name starts in fullName
  std::string label;
  std::string unitText;
  double value = 0;

  std::string_view ShortName() const { return std::string_view(fullName).substr(shortStart); }
};

class VariableTable {
 public:
  // The part of fullName after its last backslash, or all of it.
  static std::string_view ShortName(std::string_view fullName);

  // The hash under which the table files a short name.
  static std::size_t Hash(std::string_view shortName);

  // The record of the short name, or null; `hash` is Hash(shortName), computed once by callers
  // that look the same name up often.
  const VariableRecord* Find(std::string_view shortName) const { return Find(shortName, Hash(shortName)); }
  const VariableRecord* Find(std::string_view shortName, std::size_t hash) const;
  // The record of fullName's short name with its fullName set, the rest kept; `created` tells
  // whether it is new (label, unit and value then empty).
  VariableRecord& Enter(const std::string& fullName, bool& created);

  const std::vector<VariableRecord>& Records() const { return m_records; }
  // Changes whenever a record is created; while it stays, every record keeps its address.
  std::uint64_t Layout() const { return m_layout; }

 private:
  std::size_t Slot(std::string_view shortName, std::size_t hash) const;
  void Grow();

  std::vector<VariableRecord> m_records;
  std::vector<std::uint32_t> m_slots;  // record index + 1, 0 for a free slot; a power of two long
  std::uint64_t m_layout = 0;
};
