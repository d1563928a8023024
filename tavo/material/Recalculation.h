#pragma once
// The one routine that computes property values from their formulas. Material objects use it
// when they are read, and the property grid uses it while the user edits, so both always show the
// same numbers and the same warnings.

#include "tavo/formula/ParserWarning.h"

#include <map>
#include <string>
#include <vector>

// Short name to text: a value text (Wert01) or a formula text (Formel).
using ShortNameTexts = std::map<std::string, std::string>;
// Short name of a formula to what its last evaluation reported; formulas without any are absent.
using ShortNameWarnings = std::map<std::string, std::vector<CParserWarning>>;

// A formula used a variable whose value text is not a number (it counted as 0). Reported by the
// recalculation, not by the evaluator, so it takes a bit of its own beside the formula codes.
inline constexpr int kCodeValueNotANumber = 2048;

// Returns `values` with the entry of every short name that has a non-empty formula replaced by
// the formula's value as "%lg" writes it (six significant digits).
//
// Every value whose short name has no formula is a variable (its text read as a number in the
// classic locale: leading blanks skipped, the longest numeric prefix, 0 when there is none).
// Formulas are evaluated in the map's order, pass after pass, each result becoming a variable at
// once; the passes stop when a pass changes no text, after at most (formulas + 1) passes, so a
// chain of any depth reaches its final values and a cycle stops. A formula that cannot be
// evaluated yields the number its text starts with, or 0.
//
// With `warnings`, it receives per formula what its evaluation in the last pass reported: the
// evaluator's failure or notices (an unknown name counts as 0), and one kCodeValueNotANumber
// warning per variable it names whose value text is not a number.
ShortNameTexts RecalculateValues(const ShortNameTexts& values, const ShortNameTexts& formulas,
                                 ShortNameWarnings* warnings = nullptr);

// The whole text, blanks around it aside, is one number in the classic notation ("1.35", "-2e3");
// "1,35", "12 kN", "" and "nan" are not.
bool IsNumberText(const std::string& text);
