#pragma once
// The functions of the formula language, in three tables by their number of arguments. The
// tables are filled once and never change; a name stands in at most one of them.

#include <string_view>

// Fails beyond this many throws of roll (code 1024), so that one call cannot run for minutes.
inline constexpr int kMaxRollThrows = 1'000'000;

// Why a call gave no value. A domain error has a fixed text only and is recorded nowhere; an
// excess of work has a code and a message of its own.
struct FunctionFault {
  const char* text = nullptr;    // set when the call failed; the English text
  int code = 0;                  // 0 for a domain error
  const char* german = nullptr;  // the message recorded with the code
};

struct FormulaFunction {
  int arity;  // 1, 2 or 3
  // Applies the function to `arity` arguments; a failure is described in `fault`, the value is
  // then meaningless.
  double (*apply)(const double* arguments, FunctionFault& fault);
  bool random = false;  // draws from the random generator: two calls may differ
};

// Looks the name up in the one-, then the two-, then the three-argument table; null when absent.
const FormulaFunction* FindFunction(std::string_view name);
