// One lookup of an object that is not cached: found by its four names, read with its inherited
// properties and recalculated (a concrete-like object: ten formulas, one written back at most).

#include "bench/material/BenchDatabase.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GetObj(benchmark::State& state)
{
  BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  std::size_t next = 0;
  std::size_t properties = 0;
  std::size_t formulas = 0;
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
    formulas += obj.formulas.size();
    benchmark::DoNotOptimize(obj.values);
  }
  state.counters["properties/object"] =
      benchmark::Counter(static_cast<double>(properties), benchmark::Counter::kAvgIterations);
  state.counters["formulas/object"] =
      benchmark::Counter(static_cast<double>(formulas), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_GetObj)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
