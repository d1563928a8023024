#pragma once
// The properties of the shown object as the property grid holds them: one entry per row in every
// array, and the element that filled each row, so that an edited row goes back where it came from.

#include "tavo/outside/QODOM.h"

#include <array>
#include <string>
#include <vector>

class CTavoObj;

struct PropertyRows {
  std::vector<std::string> kurzname, name, formel, dimension, einheit, knoten;
  std::array<std::vector<std::string>, 9> wert;  // Wert01 to Wert09
  std::vector<int> formulaFlags;                 // 1: the value is computed from the formula

  int Count() const { return static_cast<int>(name.size()); }
  void Clear();
};

// A Wert01 as the grid stores it, and so as every recalculation reads it: a decimal comma
// becomes a point ("1,35" is 1.35, never 1).
std::string StoredValueText(std::string text);

// Fills the rows from the object's property elements in order; an element without Kurzname gets
// no row. Returns the element of each row.
std::vector<QODOM_ELEMENT> LoadPropertyRows(const CTavoObj& object, PropertyRows& rows);

// Writes row n back into elements[n]: Kurzname, Name, Formel (removed when empty), Wert01 (also
// when empty), Wert02 to Wert09 only when not empty, Dimension and Einheit. Knoten is not written.
void StorePropertyRows(const PropertyRows& rows, const std::vector<QODOM_ELEMENT>& elements);
