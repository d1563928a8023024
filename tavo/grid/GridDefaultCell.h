#pragma once
#include "tavo/grid/GridCell.h"

// One of the grid's four attribute sources (data cells, fixed-row cells, fixed-column cells,
// cells in both). It starts with concrete values except the colours, which stay with the style
// until someone sets them.
class CGridDefaultCell : public CGridCell {
 public:
  static constexpr const char* kClassName = "CGridDefaultCell";
  static constexpr int kDefaultMargin = 3;

  CGridDefaultCell()
  {
    SetFormat(kFormatDefault);
    SetMargin(kDefaultMargin);
  }
  const char* ClassName() const override { return kClassName; }
};
