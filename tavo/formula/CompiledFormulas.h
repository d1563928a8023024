#pragma once
// Formulas compiled once per distinct text: a database holds few distinct formula texts, each
// shared by thousands of objects and evaluated again in every pass of a recalculation.

#include <cstdint>
#include <string>
#include <vector>

#include "tavo/formula/FormulaProgram.h"

struct CompiledFormula {
  FormulaProgram program;          // of the text as PrepareFormula rewrites it
  std::vector<std::string> names;  // NamesInFormula of the text
  std::uint64_t serial = 0;        // distinct for every compilation in the process, never 0
};

// The compiled form of the formula as typed. It depends on the text alone, never on variables.
// Kept by text for the rest of the thread; once a bound of distinct texts is reached, a new text's
// form holds only until the next call.
const CompiledFormula& CompiledFormulaOf(const std::string& formula);
