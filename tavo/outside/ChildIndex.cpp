#include "tavo/outside/ChildIndex.h"

#include <algorithm>

namespace {

constexpr auto kBefore = [](std::uint64_t ordinal, const auto& entry) { return ordinal < entry.ordinal; };
constexpr auto kAfter = [](const auto& entry, std::uint64_t ordinal) { return entry.ordinal < ordinal; };

}  // namespace

// --- construction ---

ChildIndex::ChildIndex(pugi::xml_node parent, std::string attribute) : m_attribute(std::move(attribute))
{
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
    Appended(child);
}

// --- public operations ---

pugi::xml_node ChildIndex::First(std::string_view value) const
{
  const auto found = m_byValue.find(value);
  return found == m_byValue.end() ? pugi::xml_node() : pugi::xml_node(found->second.front().node);
}

pugi::xml_node ChildIndex::After(pugi::xml_node child, std::string_view value) const
{
  const auto ordinal = m_ordinals.find(child.internal_object());
  const auto found = m_byValue.find(value);
  if (ordinal == m_ordinals.end() || found == m_byValue.end())
    return {};
  const Entries& entries = found->second;
  const auto next = std::upper_bound(entries.begin(), entries.end(), ordinal->second, kBefore);
  return next == entries.end() ? pugi::xml_node() : pugi::xml_node(next->node);
}

std::vector<pugi::xml_node> ChildIndex::All(std::string_view value) const
{
  std::vector<pugi::xml_node> children;
  const auto found = m_byValue.find(value);
  if (found != m_byValue.end()) {
    children.reserve(found->second.size());
    for (const Entry& entry : found->second)
      children.emplace_back(entry.node);
  }
  return children;
}

void ChildIndex::Appended(pugi::xml_node child)
{
  if (!Tracks(child))
    return;
  m_ordinals.emplace(child.internal_object(), m_nextOrdinal++);
  if (const char* key = KeyOf(child))
    Insert(child, key);
}

void ChildIndex::Removing(pugi::xml_node child)
{
  if (const char* key = KeyOf(child))
    Erase(child, key);
  m_ordinals.erase(child.internal_object());
}

void ChildIndex::Changed(pugi::xml_node child, const char* before)
{
  if (ByTag())
    return;  // tags never change
  if (before)
    Erase(child, before);
  if (const char* key = KeyOf(child))
    Insert(child, key);
}

// --- private helpers ---

// Every element has a place in the order, with the attribute or without, so that a find can go
// on after any of them; nothing else is ever found.
bool ChildIndex::Tracks(pugi::xml_node child) const
{
  return child.type() == pugi::node_element;
}

const char* ChildIndex::KeyOf(pugi::xml_node child) const
{
  if (!Tracks(child))
    return nullptr;
  if (ByTag())
    return *child.name() ? child.name() : nullptr;
  const pugi::xml_attribute attribute = child.attribute(m_attribute.c_str());
  return attribute ? attribute.value() : nullptr;
}

// Keeps the entries of one text in document order; appends, the common case, go to the end.
void ChildIndex::Insert(pugi::xml_node child, std::string_view value)
{
  const std::uint64_t ordinal = m_ordinals.at(child.internal_object());
  auto found = m_byValue.find(value);
  if (found == m_byValue.end())
    found = m_byValue.emplace(std::string(value), Entries()).first;
  Entries& entries = found->second;
  const auto place = std::upper_bound(entries.begin(), entries.end(), ordinal, kBefore);
  entries.insert(place, Entry{ordinal, child.internal_object()});
}

void ChildIndex::Erase(pugi::xml_node child, std::string_view value)
{
  const auto found = m_byValue.find(value);
  if (found == m_byValue.end())
    return;
  Entries& entries = found->second;
  const std::uint64_t ordinal = m_ordinals.at(child.internal_object());
  const auto place = std::lower_bound(entries.begin(), entries.end(), ordinal, kAfter);
  if (place != entries.end() && place->ordinal == ordinal)
    entries.erase(place);
  if (entries.empty())
    m_byValue.erase(found);
}
