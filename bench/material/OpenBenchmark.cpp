// Opening the database: the handler construction reads, checks and parses both files; beside it
// a bare pugixml parse of the same two files with the same options, as the reference.

#include "bench/material/BenchDatabase.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

namespace {

// The options the document library parses with: it keeps comments, instructions, the doctype,
// the declaration and white space, so that a save changes nothing else.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata;

void Report(benchmark::State& state, const BenchDatabase& db)
{
  state.SetBytesProcessed(state.iterations() * db.fileBytes);
  state.counters["file_MB"] = static_cast<double>(db.fileBytes) / 1e6;
}

void BM_OpenHandler(benchmark::State& state)
{
  BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    CTavoHandler handler(db.Path("startup-open.log"));
    if (!handler.StandardFile() || !handler.UserFile())
      state.SkipWithError(handler.StandardOpenError().c_str());
    benchmark::DoNotOptimize(handler.UserFile());
  }
  Report(state, db);
}

void BM_OpenBareParse(benchmark::State& state)
{
  BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pugi::xml_document standard, user;
    if (!standard.load_file(db.StandardPath().c_str(), kParseOptions, pugi::encoding_utf8) ||
        !user.load_file(db.UserPath().c_str(), kParseOptions, pugi::encoding_utf8))
      state.SkipWithError("the reference parse failed");
    benchmark::DoNotOptimize(standard.first_child());
  }
  Report(state, db);
}

}  // namespace

BENCHMARK(BM_OpenHandler)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBareParse)->ArgName("objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
