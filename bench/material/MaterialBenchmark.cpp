// Object lookup with recalculation, and the whole protocol export, on generated databases of
// 1,000, 10,000 and 100,000 objects.

#include "bench/material/DatabaseGenerator.h"

#include "tavo/material/Protocol.h"
#include "tavo/material/TavoHandler.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>

namespace {

// One opened database per size, built at its first use and kept for the whole run.
struct OpenDatabase {
  QTemporaryDir folder;
  std::vector<GeneratedObject> objects;
  std::unique_ptr<CTavoHandler> handler;

  std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
};

OpenDatabase& Database(int objectCount)
{
  static std::map<int, std::unique_ptr<OpenDatabase>> databases;
  std::unique_ptr<OpenDatabase>& db = databases[objectCount];
  if (!db) {
    db = std::make_unique<OpenDatabase>();
    GeneratedDatabase generated = GenerateDatabase(objectCount, 20240601);
    std::ofstream(db->Path("standard.xml"), std::ios::binary) << generated.xml;
    db->objects = std::move(generated.objects);
    setenv("TAVO_STANDARD_FILE", db->Path("standard.xml").c_str(), 1);
    setenv("TAVO_USER_FILE", db->Path("user.xml").c_str(), 1);
    db->handler = std::make_unique<CTavoHandler>(db->Path("startup.log"));
  }
  return *db;
}

// One lookup of an object not cached: found by its four names, read with its inherited
// properties and recalculated (8 formulas, one value written back at most).
void BM_GetObj(benchmark::State& state)
{
  OpenDatabase& db = Database(static_cast<int>(state.range(0)));
  std::size_t next = 0;
  std::size_t properties = 0;
  for (auto _ : state) {
    const GeneratedObject& names = db.objects[next];
    next = (next + 7919) % db.objects.size();
    db.handler->ForgetCurrentObject();
    CTavoObj obj;
    std::string objekt = names.objekt;
    db.handler->GetObj(obj, names.kat, names.ukat, names.norm, objekt);
    if (!obj.objectElement)
      state.SkipWithError("object not found");
    properties += obj.propertyElements.size();
    benchmark::DoNotOptimize(obj.values);
  }
  state.counters["properties/object"] = benchmark::Counter(static_cast<double>(properties),
                                                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GetObj)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The protocol of the whole database, every object looked up and recalculated on the way.
void BM_ProtocolExport(benchmark::State& state)
{
  OpenDatabase& db = Database(static_cast<int>(state.range(0)));
  const std::string path = db.Path("material.txt");
  int written = 0;
  for (auto _ : state) {
    std::string error;
    if (!ExportProtocol(*db.handler, path, error, [&written](int done, int) { written = done; }))
      state.SkipWithError(error.c_str());
  }
  if (written != static_cast<int>(db.objects.size()))
    state.SkipWithError("not every object was written");
  state.counters["objects/s"] = benchmark::Counter(static_cast<double>(db.objects.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ProtocolExport)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
