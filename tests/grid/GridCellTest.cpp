// The base grid's cell model: class replacement, default cells, out-of-range operations.
#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellCheck.h"
#include "tavo/grid/GridCellRegistry.h"
#include "tavo/grid/GridDefaultCell.h"

namespace {

// A grid that counts the cells it frees.
class CountingGrid : public CGridCtrl {
 public:
  void FreeCell(int row, int col) override
  {
    ++freed;
    CGridCtrl::FreeCell(row, col);
  }
  int freed = 0;
};

TEST(GridCells, ReplacingTheClassKeepsEveryAttribute)
{
  CountingGrid grid;
  Shape(grid, 3, 3, 1);
  grid.SetItemText(1, 1, "Träger");
  grid.SetItemFgColour(1, 1, GridRgb(1, 2, 3));
  grid.SetItemBkColour(1, 1, GridRgb(224, 224, 224));
  grid.SetItemFormat(1, 1, kFormatRight);
  grid.SetItemState(1, 1, kStateReadOnly);
  QFont font("Serif", 17);
  grid.SetItemFont(1, 1, font);

  ASSERT_TRUE(grid.SetCellClass(1, 1, CGridCellCheck::kClassName));
  const CGridCellBase* cell = grid.GetCell(1, 1);
  EXPECT_STREQ(cell->ClassName(), CGridCellCheck::kClassName);
  EXPECT_EQ(grid.freed, 1);
  EXPECT_EQ(cell->GetText(), "Träger");
  EXPECT_EQ(cell->GetTextClr(), GridRgb(1, 2, 3));
  EXPECT_EQ(cell->GetBackClr(), GridRgb(224, 224, 224));
  EXPECT_EQ(cell->GetFormat(), unsigned(kFormatRight));
  EXPECT_TRUE(cell->IsReadOnly());
  EXPECT_EQ(cell->GetFont(), font);
  EXPECT_EQ(cell->GetRow(), 1);
  EXPECT_EQ(cell->GetCol(), 1);
  EXPECT_EQ(cell->GetGrid(), &grid);

  EXPECT_TRUE(grid.SetCellClass(1, 1, CGridCellCheck::kClassName));
  EXPECT_EQ(grid.GetCell(1, 1), cell) << "the same class again makes no new object";
  EXPECT_FALSE(grid.SetCellClass(1, 1, "NoSuchCell"));
  EXPECT_EQ(grid.GetCell(1, 1), cell);
}

TEST(GridCells, RegistryMakesRegisteredClasses)
{
  struct CTaggedCell : CGridCell {
    const char* ClassName() const override { return "CTaggedCell"; }
  };
  EXPECT_TRUE(RegisterGridCellClass("CTaggedCell", [] { return std::make_unique<CTaggedCell>(); }));
  EXPECT_FALSE(RegisterGridCellClass("CTaggedCell", [] { return std::make_unique<CTaggedCell>(); }));
  EXPECT_FALSE(RegisterGridCellClass(CGridCell::kClassName, [] { return std::make_unique<CTaggedCell>(); }));
  CGridCtrl grid;
  Shape(grid, 1, 1);
  ASSERT_TRUE(grid.SetCellClass(0, 0, "CTaggedCell"));
  EXPECT_STREQ(grid.GetCell(0, 0)->ClassName(), "CTaggedCell");
  EXPECT_EQ(CreateGridCell("unknown"), nullptr);
}

TEST(GridCells, DefaultCellsSupplyUnsetAttributes)
{
  CGridCtrl grid;
  Shape(grid, 3, 3, 1, 1);
  grid.GetDefaultCell(false, false)->SetBackClr(GridRgb(255, 255, 255));
  grid.GetDefaultCell(true, false)->SetBackClr(GridRgb(10, 20, 30));
  grid.GetDefaultCell(true, true)->SetMargin(7);
  EXPECT_EQ(grid.GetCell(1, 1)->EffectiveBackColour(), QColor(255, 255, 255));
  EXPECT_EQ(grid.GetCell(0, 1)->EffectiveBackColour(), QColor(10, 20, 30));
  EXPECT_FALSE(grid.GetCell(1, 0)->EffectiveBackColour().isValid()) << "left to the style";
  EXPECT_EQ(grid.GetCell(0, 0)->EffectiveMargin(), 7);
  grid.SetItemBkColour(1, 1, GridRgb(1, 1, 1));
  EXPECT_EQ(grid.GetCell(1, 1)->EffectiveBackColour(), QColor(1, 1, 1));
  grid.SetItemBkColour(1, 1, kDefaultColour);
  EXPECT_EQ(grid.GetCell(1, 1)->EffectiveBackColour(), QColor(255, 255, 255));
}

TEST(GridCells, OperationsOutsideTheGridFail)
{
  CGridCtrl grid;
  Shape(grid, 2, 2);
  EXPECT_EQ(grid.GetCell(2, 0), nullptr);
  EXPECT_EQ(grid.GetCell(0, -1), nullptr);
  EXPECT_FALSE(grid.SetItemText(5, 5, "x"));
  EXPECT_FALSE(grid.SetItemState(-1, 0, kStateReadOnly));
  EXPECT_FALSE(grid.SetCellClass(2, 2, CGridCellCheck::kClassName));
  EXPECT_FALSE(grid.SetColumnWidth(2, 10));
  EXPECT_FALSE(grid.SetFixedRowCount(3));
  EXPECT_EQ(grid.GetItemText(9, 9), QString());
  EXPECT_EQ(grid.GetColumnWidth(7), -1);
}

TEST(GridCells, FocusCellInTheFixedAreaMovesToTheData)
{
  CGridCtrl grid;
  Shape(grid, 4, 3, 1, 1);
  grid.SetFocusCell(0, 0);
  EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
  grid.SetFocusCell(0, 2);
  EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
  EXPECT_TRUE(grid.GetItemState(1, 2) & kStateFocused);
  grid.SetFocusCell(-1, -1);
  EXPECT_FALSE(grid.GetFocusCell().IsValid());
  grid.SetFocusCell(2, 1);
  grid.SetRowCount(2);
  EXPECT_FALSE(grid.GetFocusCell().IsValid()) << "its row went away";
  EXPECT_EQ(grid.GetItemState(0, 1) & (kStateFixed | kStateFixedRow), unsigned(kStateFixed | kStateFixedRow));
}

TEST(GridCells, ShrinkingFreesEveryRemovedCell)
{
  CountingGrid grid;
  Shape(grid, 4, 3);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.freed, 6);
  grid.SetColumnCount(1);
  EXPECT_EQ(grid.freed, 10);
  EXPECT_NE(grid.GetCell(1, 0), nullptr);
}

}  // namespace
