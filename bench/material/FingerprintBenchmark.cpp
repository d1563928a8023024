// One fingerprint of the standard file against serialising it into memory, the reference: the
// digest streams the same bytes into the hash without building them.

#include "bench/material/BenchDatabase.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Fingerprint(benchmark::State& state)
{
  const BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  const QODOM_ELEMENT root = db.handler->StandardFile();
  CFingerPrint fingerprint;
  for (auto _ : state) {
    fingerprint = QODOM_GetFingerPrint(root);
    benchmark::DoNotOptimize(fingerprint);
  }
  if (fingerprint == CFingerPrint{})
    state.SkipWithError("no fingerprint");
}

void BM_Serialize(benchmark::State& state)
{
  const BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  const QODOM_DOCUMENT document = QODOM_GetDocument(db.handler->StandardFile());
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = QODOM_SerializeDoc(document);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  if (bytes == 0)
    state.SkipWithError("nothing serialised");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

}  // namespace

BENCHMARK(BM_Fingerprint)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Serialize)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
