#pragma once
// The one routine that computes property values from their formulas. Material objects use it
// when they are read, and the property grid uses it while the user edits, so both always show the
// same numbers.

#include <map>
#include <string>

// Short name to text: a value text (Wert01) or a formula text (Formel).
using ShortNameTexts = std::map<std::string, std::string>;

// Returns `values` with the entry of every short name that has a non-empty formula replaced by
// the formula's value as "%lg" writes it (six significant digits).
//
// Every value whose short name has no formula is a variable (its text read as a number in the
// classic locale: leading blanks skipped, the longest numeric prefix, 0 when there is none).
// Formulas are evaluated in the map's order, pass after pass, each result becoming a variable at
// once; the passes stop when a pass changes no text, after at most (formulas + 1) passes, so a
// chain of any depth reaches its final values and a cycle stops. A formula that cannot be
// evaluated yields the number its text starts with, or 0.
ShortNameTexts RecalculateValues(const ShortNameTexts& values, const ShortNameTexts& formulas);
