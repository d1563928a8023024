#pragma once
// Recalculating every object of both material files at once, as maintainers do after changing a
// code's formulas.

#include "tavo/material/ChangeReport.h"
#include "tavo/material/TavoHandler.h"

#include <string>
#include <vector>

struct DatabaseRecalcResult {
  int objects = 0;                  // objects recalculated
  int changed = 0;                  // objects whose values were written back
  std::vector<std::string> errors;  // files that were to be saved but were not, with the reason
  // Every text written back, in order, as the files' journals recorded it; `inUserFile` per entry.
  std::vector<RecalculatedValue> values;
  std::vector<bool> inUserFile;
};

// Recalculates every object of the searched files; with `save`, saves each file that changed.
// A file changed on disk since it was read is not overwritten: it is named in the errors.
DatabaseRecalcResult RecalculateDatabase(CTavoHandler& handler, bool save);
