#include "bench/material/BenchDatabase.h"

#include <cstdlib>
#include <fstream>
#include <map>

namespace {

std::map<int, std::unique_ptr<BenchDatabase>>& Databases()
{
  static std::map<int, std::unique_ptr<BenchDatabase>> databases;
  return databases;
}

}  // namespace

BenchDatabase& Database(int objectCount)
{
  std::unique_ptr<BenchDatabase>& db = Databases()[objectCount];
  if (!db) {
    db = std::make_unique<BenchDatabase>();
    GeneratedDatabase generated = GenerateDatabase(objectCount, 20240601);
    std::ofstream(db->StandardPath(), std::ios::binary) << generated.xml;
    std::ofstream(db->UserPath(), std::ios::binary) << generated.userXml;
    db->fileBytes = static_cast<std::int64_t>(generated.xml.size() + generated.userXml.size());
    db->objects = std::move(generated.objects);
  }
  // The handler reads its files from the environment when it opens them.
  setenv("TAVO_STANDARD_FILE", db->StandardPath().c_str(), 1);
  setenv("TAVO_USER_FILE", db->UserPath().c_str(), 1);
  if (!db->handler)
    db->handler = std::make_unique<CTavoHandler>(db->Path("startup.log"));
  return *db;
}

BenchDatabase& FreshDatabase(int objectCount)
{
  BenchDatabase& db = Database(objectCount);
  db.handler.reset();
  db.handler = std::make_unique<CTavoHandler>(db.Path("startup.log"));
  return db;
}

void CloseDatabases()
{
  Databases().clear();
}
