#pragma once
// One material object as the editor's grid would show it, read without writing anything: the rows
// in grid order with the level and the file that hold each of them, and the values a
// recalculation gives, which are only computed, never written back. Finding, comparing and
// exporting look at objects through this view, so that looking never changes a document.

#include "tavo/material/MaterialPath.h"
#include "tavo/material/Recalculation.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/material/Vocabulary.h"

#include <array>
#include <string>
#include <vector>

// Where a property element lies.
struct PropertyOrigin {
  int level = 0;  // 1 Kategorie ... 4 Objekt; 0 for an element outside the levels
  bool inUserFile = false;
  std::string holder;  // the Name of the level element that holds it
};

PropertyOrigin OriginOf(QODOM_ELEMENT property, QODOM_ELEMENT userFile);

// How many Objekt elements stand below the level element in its file: the objects whose lookup
// inherits its properties (1 for an object itself).
int ObjectsBelow(QODOM_ELEMENT levelElement);

// The German name of the level (1 "Kategorie" ... 4 "Objekt"); "" for any other number.
const char* LevelName(int level);

struct ViewedRow {
  QODOM_ELEMENT element = 0;
  PropertyOrigin origin;
  std::string kurzname, name, formel, dimension, einheit;
  // Wert01 to Wert09 as the object sees them: Wert01 (and Formel) as a lookup would write them
  // back after recalculating, every other column as stored.
  std::array<std::string, vocabulary::kValueColumns> wert;
  // The levels that hold a row of this short name, from the object up; more than one: duplicated.
  std::vector<int> levels;
  int winningLevel = 0;  // the level whose value the object takes (the one farthest from it)
  bool wins = true;      // this row's element is the one whose value counts
};

struct ObjectView {
  CMaterialPath path{{}};
  QODOM_ELEMENT element = 0;  // 0: no such object
  bool inUserFile = false;
  ShortNameTexts values;    // recalculated; the level farthest from the object wins
  ShortNameTexts formulas;  // non-empty formulas; the farthest level wins
  ShortNameWarnings warnings;
  std::vector<ViewedRow> rows;  // every property element with a short name, the object's own first
};

// The object that a lookup of the path would find (an old steel name mapped to the current one),
// recalculated in memory only.
ObjectView ViewObject(const CTavoHandler& handler, const CMaterialPath& path);
// The same for an object element already found.
ObjectView ViewObjectElement(QODOM_ELEMENT object, bool inUserFile, QODOM_ELEMENT userFile);
