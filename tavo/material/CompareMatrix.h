#pragma once
// Objects side by side: one row per short name that any of them has, with each object's
// effective value after inheritance, its formula, unit and the level it comes from; rows whose
// values differ and rows that only some objects have are marked.

#include "tavo/material/ObjectView.h"

#include <string>
#include <vector>

struct CompareCell {
  bool present = false;
  std::string value;    // the effective value, recalculated
  std::string formula;  // the formula that computes it; "" for a plain value
  std::string unit;
  std::string longName;
  PropertyOrigin origin;  // of the row whose value counts
};

struct CompareRow {
  std::string shortName;
  std::vector<CompareCell> cells;  // one per object, in the matrix's order
  bool differs = false;            // the present values (or units) are not all the same
  bool partial = false;            // some objects lack the row
};

struct CompareMatrix {
  std::vector<CMaterialPath> objects;
  std::vector<CompareRow> rows;  // in the order the rows first appear in the objects
};

CompareMatrix BuildCompareMatrix(const std::vector<ObjectView>& views);

// One line per short name: Kurzname, then each object's value (with its unit), separated by
// tabs, then "differs", "partial" or "same".
std::string CompareText(const CompareMatrix& matrix);
// The same as CSV: a header of "kurzname", "state" and the objects' paths, then per row its
// short name, state and each object's value (empty where the object lacks it).
std::string CompareCsv(const CompareMatrix& matrix);
// Everything: per row and object the value, its number, formula, unit, level and file.
std::string CompareJson(const CompareMatrix& matrix);

// "differs", "partial" (which wins over differs) or "same".
const char* RowState(const CompareRow& row);
