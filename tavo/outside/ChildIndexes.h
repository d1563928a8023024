#pragma once
// The child indexes of one document: built for a parent on demand, told of every edit that could
// change what they hold, dropped with the elements they describe.

#include "tavo/outside/ChildIndex.h"

#include <string>
#include <unordered_map>
#include <vector>

class ChildIndexes {
 public:
  // The index of the parent's children by `attribute` ("" for the index by tag); null when none
  // has been built.
  ChildIndex* Find(pugi::xml_node parent, const char* attribute);
  // Builds that index; the reference holds until the next Build.
  ChildIndex& Build(pugi::xml_node parent, const char* attribute);
  // True when an index is kept by this attribute, so that its changes must be reported.
  bool Watches(const char* attribute) const;

  // `child` was added after every other child of `parent`.
  void ChildAppended(pugi::xml_node parent, pugi::xml_node child);
  // `child` was put anywhere among the children of `parent`: after every element the indexes
  // take it in, before one they are dropped and built again when a find needs them.
  void ChildInserted(pugi::xml_node parent, pugi::xml_node child);
  // The element's attribute has just changed; `before` is its old text, null when it had none.
  void AttributeChanged(pugi::xml_node element, const char* attribute, const char* before);
  // The node and its subtree are about to be removed.
  void SubtreeRemoving(pugi::xml_node node);

 private:
  std::unordered_map<pugi::xml_node_struct*, std::vector<ChildIndex>> m_byParent;
  std::vector<std::string> m_attributes;  // every attribute some index is kept by
};
