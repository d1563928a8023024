#pragma once
// The properties of one material object as its lookup collects them, read without recalculating
// or writing anything.

#include "tavo/material/Recalculation.h"
#include "tavo/outside/QODOM.h"

#include <map>
#include <string>
#include <vector>

struct ObjectProperties {
  ShortNameTexts values;    // Kurzname -> Wert01; the level farthest from the object wins
  ShortNameTexts formulas;  // Kurzname -> Formel, non-empty formulas only; farthest level wins
  // Kurzname -> the element whose Wert01 is the value: the farthest level's.
  std::map<std::string, QODOM_ELEMENT> valueElements;
  std::vector<QODOM_ELEMENT> elements;  // every property element, the object's own first
};

// Walks from the object element up through every level above it (0 gives nothing).
ObjectProperties CollectObjectProperties(QODOM_ELEMENT object);
