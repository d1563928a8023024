#pragma once
// Runs the `tavo` binary of the build (ctest hands its path over in TAVO_CLI).

#include "tests/support/RunProcess.h"

#include <cstdlib>

inline ProcessResult Tavo(const std::vector<std::string>& arguments)
{
  return RunProcess(std::getenv("TAVO_CLI"), arguments);
}
