#pragma once
// What the formula inspector shows for one formula row: the short names the formula uses, each
// with its current value and the row and level it comes from, the names that resolve to nothing,
// and what the evaluation reported. Computed from rows as the grid holds them, so that it follows
// every edit before anything is stored; nothing is written.

#include "tavo/formula/ParserWarning.h"

#include <string>
#include <vector>

// One row of the grid: a later row of the same short name overrides an earlier one.
struct InspectedRow {
  std::string shortName, value, formula;  // formula "" for a value row
  int level = 0;                          // 1 Kategorie ... 4 Objekt
  std::string holder;                     // the Name of the level element that holds the row
};

struct InspectedName {
  std::string name;
  std::string value;      // as the recalculation has it
  bool computed = false;  // the value comes from a formula of its own
  bool number = true;     // a value row whose text is a number (a computed value always is)
  std::size_t row = 0;    // index of the row it comes from
  int level = 0;
  std::string holder;
};

struct FormulaInspection {
  std::string shortName, formula, value;
  std::vector<InspectedName> names;      // in the formula's order
  std::vector<std::string> functions;    // function and constant names it calls
  std::vector<std::string> unresolved;   // names that are neither a row nor a function
  std::vector<CParserWarning> warnings;  // the evaluation's, as the grid's mark shows them
};

// The inspection of rows[row]; empty names and no value when that row has no formula.
FormulaInspection InspectFormula(const std::vector<InspectedRow>& rows, std::size_t row);
