#pragma once
// A document parsed from an inline literal that closes itself at the end of the test.

#include "tavo/outside/QODOM.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

struct ParsedDoc {
  explicit ParsedDoc(const std::string& text, const std::string& path = "/nonexistent/material.xml")
  {
    std::string error;
    root = QODOM_ParseDoc(text, path, error);
    EXPECT_NE(root, 0u) << error;
  }
  ~ParsedDoc() { QODOM_CloseDoc(root); }
  ParsedDoc(const ParsedDoc&) = delete;
  ParsedDoc& operator=(const ParsedDoc&) = delete;

  std::string Text() const { return QODOM_SerializeDoc(QODOM_GetDocument(root)); }
  // The element reached from the root by a path of Name attributes.
  QODOM_ELEMENT Find(std::initializer_list<const char*> names) const
  {
    QODOM_ELEMENT element = root;
    for (const char* name : names)
      element = QODOM_FindFirstChildWithAttr(element, "Name", name);
    return element;
  }

  QODOM_ELEMENT root = 0;
};
