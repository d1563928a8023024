// The quick find: one keystroke (a query of growing length, as typed) against the index of the
// whole database, and building that index once.

#include "bench/material/BenchDatabase.h"

#include "tavo/material/FindIndex.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

CFindIndex& Index(int objects)
{
  static std::map<int, CFindIndex> indexes;
  CFindIndex& index = indexes[objects];
  if (!index.Built())
    index.Build(*Database(objects).handler);
  return index;
}

// What a user types, key by key: each query is one keystroke's search (the editor shows 50 hits).
void BM_FindKeystroke(benchmark::State& state)
{
  const int objects = static_cast<int>(state.range(0));
  const CFindIndex& index = Index(objects);
  const std::string word = "druckfestigkeit";
  std::size_t hits = 0, keystrokes = 0;
  for (auto _ : state) {
    const std::string query = word.substr(0, 1 + keystrokes % word.size());
    const FindResult result = index.Find(query, 50);
    hits += result.total;
    ++keystrokes;
    benchmark::DoNotOptimize(result);
  }
  if (hits == 0)
    state.SkipWithError("nothing found");
  state.counters["hits/keystroke"] = benchmark::Counter(double(hits), benchmark::Counter::kAvgIterations);
}

void BM_FindObjectName(benchmark::State& state)
{
  const int objects = static_cast<int>(state.range(0));
  const CFindIndex& index = Index(objects);
  const std::string name = Database(objects).objects.back().objekt;
  for (auto _ : state) {
    const FindResult result = index.Find(name, 50);
    if (result.hits.empty())
      state.SkipWithError("the object is not found");
    benchmark::DoNotOptimize(result);
  }
}

void BM_BuildFindIndex(benchmark::State& state)
{
  BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    CFindIndex index;
    index.Build(*db.handler);
    benchmark::DoNotOptimize(index.EntryCount());
  }
}

}  // namespace

BENCHMARK(BM_FindKeystroke)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindObjectName)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildFindIndex)
    ->ArgName("objects")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
