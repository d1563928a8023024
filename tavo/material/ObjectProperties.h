#pragma once
// The properties of one material object as its lookup collects them, read without recalculating
// or writing anything.

#include "tavo/material/Recalculation.h"
#include "tavo/outside/QODOM.h"

#include <map>
#include <string>
#include <vector>

struct ObjectProperties {
  ShortNameTexts values;                // Kurzname -> Wert01; the level farthest from the object wins
  ShortNameTexts formulas;              // Kurzname -> Formel, non-empty formulas only; farthest level wins
  std::vector<QODOM_ELEMENT> elements;  // every property element, the object's own first
};

// Kurzname -> the element whose Wert01 is the value: the farthest level's.
using ValueElements = std::map<std::string, QODOM_ELEMENT>;

// Walks from the object element up through every level above it (0 gives nothing); fills
// `valueElements` too when given, which only the check needs.
ObjectProperties CollectObjectProperties(QODOM_ELEMENT object, ValueElements* valueElements = nullptr);
