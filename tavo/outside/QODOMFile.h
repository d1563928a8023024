#pragma once
// Reading a document's file, for the document library's open function and its tests.

#include "tavo/outside/QODOM.h"

#include <QFile>

#include <cstddef>
#include <string>

// Reads the opened file, which held `size` bytes when it was looked at, and parses it as
// QODOM_OpenDoc does. A file whose size has changed since is read again as a whole, and the
// document records what it holds now.
QODOM_ELEMENT ReadDocumentFile(QFile& file, std::size_t size, const std::string& path, std::string& error);
