#pragma once
// A walk over a subtree in document order without recursion: hostile files nest deeper than the
// call stack would allow.

#include <pugixml.hpp>

// Calls visit(node) for `root` and every node below it, parents before their children.
template <typename Visit>
void ForEachInPreOrder(pugi::xml_node root, Visit visit)
{
  pugi::xml_node node = root;
  while (node) {
    visit(node);
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != root && !node.next_sibling())
      node = node.parent();
    node = node == root ? pugi::xml_node() : node.next_sibling();
  }
}
