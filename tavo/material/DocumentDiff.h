#pragma once
// The structural difference of two material documents: elements added and removed, levels and
// objects moved in priority, and every attribute changed, each addressed by its path (see
// DocumentTree). Layout, comments and the order of attributes and siblings make no difference.

#include "tavo/material/DocumentTree.h"

#include <optional>
#include <string>
#include <vector>

struct DiffEntry {
  enum Kind {
    kAdded,    // the element is only in the second document (everything below it with it)
    kRemoved,  // the element is only in the first
    kChanged,  // an attribute was added, removed or changed
    kMoved,    // the Prioritaet of a level or an object changed
  };
  Kind kind = kChanged;
  ElementPath path;
  std::string attribute;                     // kChanged, kMoved
  std::optional<std::string> before, after;  // the attribute's texts; nothing: absent
  AttributeMap attributes;                   // kAdded, kRemoved: the element's own attributes
};

// What turns `a` into `b`: per element its attributes, then its removed children, the children
// in both (in a's order), then the added ones (in b's order). Empty when they are equal.
std::vector<DiffEntry> DiffDocuments(const TreeElement& a, const TreeElement& b);

// One line per entry: `+ PATH  ATTRIBUTES`, `- PATH  ATTRIBUTES`, `~ PATH  ATTR: "old" -> "new"`
// (an absent attribute as `(none)`), `> PATH  Prioritaet: "old" -> "new"`.
std::string DiffText(const std::vector<DiffEntry>& entries);
// The document as lines that a line diff compares well: one line per element, its path and its
// attributes (AttributesText), in document order, indented by depth.
std::string TreeListing(const TreeElement& root);
