#pragma once
// The children of one parent by the text of one attribute, or by their tag, so that a find by
// name or tag costs a hash look-up instead of a walk over every sibling.
//
// Document order is kept by ordinals handed out in turn: the document library only ever adds a
// child after all its siblings, so a later ordinal always means a later place. The owner tells
// the index of every change to the parent's children and to their attribute of that name.

#include <pugixml.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ChildIndex {
 public:
  // Indexes the children of `parent` as they stand: with an attribute, the element children
  // that have it, by its text; with "", every element child by its tag.
  ChildIndex(pugi::xml_node parent, std::string attribute);

  const std::string& Attribute() const { return m_attribute; }
  bool ByTag() const { return m_attribute.empty(); }
  // The first child whose attribute is exactly `value`, or an empty node.
  pugi::xml_node First(std::string_view value) const;
  // The first child after `child` (a child of the parent) whose attribute is `value`, or an
  // empty node.
  pugi::xml_node After(pugi::xml_node child, std::string_view value) const;
  // Every child whose attribute is exactly `value`, in document order.
  std::vector<pugi::xml_node> All(std::string_view value) const;

  // `child` was added after every sibling.
  void Appended(pugi::xml_node child);
  // `child` is about to be removed; its attribute still holds the text it was indexed under.
  void Removing(pugi::xml_node child);
  // The attribute of `child` has just changed; `before` is the text it had, null when it had none.
  void Changed(pugi::xml_node child, const char* before);

 private:
  struct Entry {
    std::uint64_t ordinal;
    pugi::xml_node_struct* node;
  };
  // Look-ups by string_view without building a std::string.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using Entries = std::vector<Entry>;

  bool Tracks(pugi::xml_node child) const;
  // The text the child is indexed under; null when it is not indexed.
  const char* KeyOf(pugi::xml_node child) const;
  void Insert(pugi::xml_node child, std::string_view value);
  void Erase(pugi::xml_node child, std::string_view value);

  std::string m_attribute;
  std::unordered_map<std::string, Entries, Hash, std::equal_to<>> m_byValue;
  std::unordered_map<pugi::xml_node_struct*, std::uint64_t> m_ordinals;  // every element child
  std::uint64_t m_nextOrdinal = 0;
};
