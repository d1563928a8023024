#include "tavo/cli/DocumentFiles.h"

#include <iostream>

OpenedDocuments::~OpenedDocuments()
{
  for (QODOM_ELEMENT root : m_roots)
    QODOM_CloseDoc(root);
}

bool OpenedDocuments::Open(const std::string& path)
{
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
  if (!root) {
    std::cerr << "tavo: cannot open material file " << error << "\n";
    return false;
  }
  m_roots.push_back(root);
  return true;
}
