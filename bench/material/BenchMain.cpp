// The material benchmarks' main: the databases are closed before the program's static objects go.

#include "bench/material/BenchDatabase.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  CloseDatabases();
  return 0;
}
