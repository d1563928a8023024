#include "tavo/outside/ChildIndexes.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsWithin(pugi::xml_node node, pugi::xml_node subtree)
{
  for (; node; node = node.parent())
    if (node == subtree)
      return true;
  return false;
}

}  // namespace

// --- public operations ---

ChildIndex* ChildIndexes::Find(pugi::xml_node parent, const char* attribute)
{
  const auto found = m_byParent.find(parent.internal_object());
  if (found == m_byParent.end())
    return nullptr;
  for (ChildIndex& index : found->second)
    if (index.Attribute() == attribute)
      return &index;
  return nullptr;
}

ChildIndex& ChildIndexes::Build(pugi::xml_node parent, const char* attribute)
{
  if (*attribute && !Watches(attribute))
    m_attributes.emplace_back(attribute);
  return m_byParent[parent.internal_object()].emplace_back(parent, attribute);
}

bool ChildIndexes::Watches(const char* attribute) const
{
  return std::any_of(m_attributes.begin(), m_attributes.end(),
                     [attribute](const std::string& watched) { return watched == attribute; });
}

void ChildIndexes::ChildAppended(pugi::xml_node parent, pugi::xml_node child)
{
  const auto found = m_byParent.find(parent.internal_object());
  if (found != m_byParent.end())
    for (ChildIndex& index : found->second)
      index.Appended(child);
}

void ChildIndexes::ChildInserted(pugi::xml_node parent, pugi::xml_node child)
{
  if (child.type() != pugi::node_element)
    return;
  for (pugi::xml_node after = child.next_sibling(); after; after = after.next_sibling())
    if (after.type() == pugi::node_element) {
      m_byParent.erase(parent.internal_object());
      return;
    }
  ChildAppended(parent, child);
}

void ChildIndexes::AttributeChanged(pugi::xml_node element, const char* attribute, const char* before)
{
  if (!*attribute)
    return;  // "" names the index by tag, which no attribute changes
  if (ChildIndex* index = Find(element.parent(), attribute))
    index->Changed(element, before);
}

void ChildIndexes::SubtreeRemoving(pugi::xml_node node)
{
  const auto parent = m_byParent.find(node.parent().internal_object());
  if (parent != m_byParent.end())
    for (ChildIndex& index : parent->second)
      index.Removing(node);
  // The removed nodes' memory may come back as new nodes: no index may outlive its parent.
  std::erase_if(m_byParent, [node](const auto& entry) { return IsWithin(pugi::xml_node(entry.first), node); });
}
