#pragma once
// Material files opened as documents of their own, outside the database, for diff and merge.

#include "tavo/outside/QODOM.h"

#include <string>
#include <vector>

// The documents opened, closed together when it goes.
class OpenedDocuments {
 public:
  OpenedDocuments() = default;
  ~OpenedDocuments();
  OpenedDocuments(const OpenedDocuments&) = delete;
  OpenedDocuments& operator=(const OpenedDocuments&) = delete;

  // Opens the file (which must exist); false after a message on standard error with the reason.
  bool Open(const std::string& path);
  // The root element of the n-th document opened.
  QODOM_ELEMENT operator[](std::size_t n) const { return m_roots[n]; }

 private:
  std::vector<QODOM_ELEMENT> m_roots;
};
