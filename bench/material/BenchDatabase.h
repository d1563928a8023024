#pragma once
// The generated databases that the material benchmarks share: one per size, written to a
// temporary folder at its first use, opened by a handler, and kept for the whole run.

#include "bench/material/DatabaseGenerator.h"

#include "tavo/material/TavoHandler.h"

#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct BenchDatabase {
  QTemporaryDir folder;
  std::vector<GeneratedObject> objects;
  std::int64_t fileBytes = 0;  // both files together
  std::unique_ptr<CTavoHandler> handler;

  std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
  std::string StandardPath() const { return Path("standard.xml"); }
  std::string UserPath() const { return Path("user.xml"); }
};

// The database of `objectCount` objects; the handler's files are its files from now on.
BenchDatabase& Database(int objectCount);
// The same with its files opened anew, as they lie on disk: no object recalculated or cached yet,
// whatever earlier benchmarks did to the documents in memory.
BenchDatabase& FreshDatabase(int objectCount);

// Closes every database and removes its files; main calls it while the document library still
// stands, before the static objects are destroyed.
void CloseDatabases();

// The sizes every database benchmark runs at.
inline constexpr int kDatabaseSizes[] = {1000, 10000, 100000};
