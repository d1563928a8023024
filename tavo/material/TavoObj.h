#pragma once
// One material object as the editor sees it: its own properties and those it inherits from the
// levels above it, the values and formulas by short name, and its priority. Building one reads
// the object from its document and recalculates its formulas at once.

#include "tavo/material/Recalculation.h"
#include "tavo/outside/QODOM.h"

#include <cstdint>
#include <vector>

class CTavoObj {
 public:
  // The empty object: no properties, priority -1.
  CTavoObj() = default;
  // Reads the object element (0 gives the empty object) and every level above it, then
  // recalculates (Recalc).
  CTavoObj(QODOM_ELEMENT objectElement, bool inUserFile);

  // Computes every formula anew and writes the values and formulas into every property element
  // of their short name, at every level, when a computed text differs from the stored one.
  // True when it wrote; the document is not touched otherwise.
  bool Recalc();

  // Adds under `target` one copy of every property element, inherited ones included, in order.
  void CopyPropertiesTo(QODOM_ELEMENT target) const;

  ShortNameTexts values;    // Kurzname -> Wert01; the level farthest from the object wins
  ShortNameTexts formulas;  // Kurzname -> Formel, non-empty formulas only; farthest level wins
  bool inUserFile = false;  // found in the user file
  QODOM_ELEMENT objectElement = 0;
  std::vector<QODOM_ELEMENT> propertyElements;  // the object's own first, then each level up
  std::int32_t priority = -1;                   // Prioritaet; -1 when missing, empty or outside 0..65535
  bool wroteBack = false;                       // the last Recalc wrote into the document
  ShortNameWarnings warnings;                   // what the last Recalc's formulas reported
};
