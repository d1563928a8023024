#pragma once
// A material document as the structural diff and merge see it: a tree of elements, each named by
// its key among its siblings, with its attributes by name. White space, comments, line ends and
// the order of attributes are not part of it, nor is the order of siblings.
//
// An element's key is its tag and its name (Kurzname for an Eigenschaft, Name for every other
// element) plus an occurrence: 0 for the first sibling with that tag and name in document order,
// 1 for the second, and so on. Two properties with the same Kurzname under one object are thus
// told apart by their order, and an element without a name is keyed by its tag and order alone.

#include "tavo/outside/QODOM.h"

#include <compare>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct ElementKey {
  std::string tag;
  std::string name;
  int occurrence = 0;
  auto operator<=>(const ElementKey&) const = default;
};

// The keys from below the root down to an element; empty for the root.
using ElementPath = std::vector<ElementKey>;
using AttributeMap = std::map<std::string, std::string>;

struct TreeElement {
  ElementKey key;
  AttributeMap attributes;
  std::vector<TreeElement> children;  // in document order
  QODOM_ELEMENT element = 0;          // the element in its document

  // The child with that key, or null.
  const TreeElement* Child(const ElementKey& key) const;

 private:
  friend TreeElement ReadTree(QODOM_ELEMENT root);
  std::map<ElementKey, std::size_t> m_byKey;
};

// The element and everything below it.
TreeElement ReadTree(QODOM_ELEMENT root);
// Same attributes and, key by key, the same children, whatever their order.
bool SameContent(const TreeElement& a, const TreeElement& b);
// The attribute's text, or nothing when the element lacks it.
std::optional<std::string> AttributeOf(const TreeElement& element, const std::string& name);

// The element at `path` below `root` in a live document, or 0.
QODOM_ELEMENT FindElement(QODOM_ELEMENT root, const ElementPath& path);

// The path as people read it: the level names as a material path (KAT/UKAT/NORM/OBJEKT), then
// ` [Kurzname]` for a property and ` <tag Name>` for any other element; a second sibling of the
// same key gets `#2`, a third `#3`. The root is `/`.
std::string PathText(const ElementPath& path);
// The attributes as one line, `Name="..." Wert01="..."`, in the order that the vocabulary gives
// (names, priority, formula, values, dimension, unit), the rest alphabetically.
std::string AttributesText(const AttributeMap& attributes);
