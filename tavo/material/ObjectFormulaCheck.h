#pragma once
// The formulas of one material object, tried the way a lookup would compute them: every property
// of the object and of the levels above it is a variable; a formula that fails or that names a
// variable the object does not have is a finding.

#include "tavo/material/ObjectProperties.h"
#include "tavo/outside/QODOM.h"

#include <string>
#include <vector>

struct FormulaFinding {
  QODOM_ELEMENT property = 0;  // the Eigenschaft element whose formula the object uses
  std::string message;
};

// Takes the properties as CollectObjectProperties gathers them for the object.
std::vector<FormulaFinding> CheckObjectFormulas(const ObjectProperties& properties);
