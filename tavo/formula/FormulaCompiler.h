#pragma once
// The formula language's grammar: reads a prepared formula text once and writes the steps that
// compute it. A text that cannot be read gives a program that fails where reading stopped, after
// the steps before that point, exactly as evaluating while reading would have.

#include <string_view>

#include "tavo/formula/FormulaProgram.h"

// Deeper nesting of parentheses, unary operators, calls and assignments fails with code 1024.
inline constexpr int kMaxFormulaDepth = 200;

FormulaProgram CompileFormula(std::string_view text);
