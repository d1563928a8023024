#pragma once
// The functions of the formula language, in three tables by their number of arguments. The
// tables are filled once and never change; a name stands in at most one of them.

#include <string_view>

class FormulaLog;

// Throws beyond this many throws of roll (code 1024), so that one call cannot run for minutes.
inline constexpr int kMaxRollThrows = 1'000'000;

struct FormulaFunction {
  int arity;  // 1, 2 or 3
  // Applies the function to `arity` arguments. Domain errors throw std::runtime_error with a
  // fixed text and record nothing; an excess of work fails through the log.
  double (*apply)(const double* arguments, FormulaLog& log);
};

// Looks the name up in the one-, then the two-, then the three-argument table; null when absent.
const FormulaFunction* FindFunction(std::string_view name);
