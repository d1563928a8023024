#pragma once
// What the material library puts in force before it computes anything, so that every program
// built on it (the editor, each command of the tool) computes the same numbers.

#include "tavo/formula/ParserWarning.h"

#include <string>
#include <utility>
#include <vector>

// Formulas take their angle unit from the user's settings store, read at the first trigonometric
// call. Installed once per process: the handler's construction and EvaluateFormula call it, so no
// program of the library can forget it.
void UseStoredAngleUnit();

struct FormulaOutcome {
  bool evaluated = false;  // false: the formula failed and value is 0
  double value = 0;
  std::vector<CParserWarning> warnings;
};

// Evaluates one formula as material objects do, with the stored angle unit: each variable entered
// by its full name (a path with backslashes allowed), in order.
FormulaOutcome EvaluateFormula(const std::string& formula,
                               const std::vector<std::pair<std::string, double>>& variables);
