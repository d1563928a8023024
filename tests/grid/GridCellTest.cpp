// The cell store of the base grid and of its extension: class replacement, the record map of check boxes, row count,
// commits and the focus rules.

#include "GridTestSupport.h"
#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellCheck.h"

namespace {

// A grid that counts the cells it frees.
struct CountingGrid : CGridCtrl {
  void FreeCell(int row, int col) override
  {
    ++freed;
    CGridCtrl::FreeCell(row, col);
  }
  int freed = 0;
};

TEST(GridCells, ReplacingTheClassKeepsEveryAttributeAndShrinkingFreesCells)
{
  CountingGrid grid;
  grid.SetRowCount(4);
  grid.SetColumnCount(3);
  grid.SetItemText(1, 1, "Träger");
  grid.SetItemFgColour(1, 1, GridRgb(1, 2, 3));
  grid.SetItemBkColour(1, 1, GridRgb(224, 224, 224));
  grid.SetItemFormat(1, 1, kFormatRight);
  grid.SetItemState(1, 1, kStateReadOnly);
  const QFont font("Serif", 17);
  grid.SetItemFont(1, 1, font);
  ASSERT_TRUE(grid.SetCellClass(1, 1, CGridCellCheck::kClassName));
  const CGridCellBase* cell = grid.GetCell(1, 1);
  EXPECT_STREQ(cell->ClassName(), CGridCellCheck::kClassName);
  EXPECT_EQ(std::tuple(cell->GetText(), cell->GetTextClr(), cell->GetBackClr(), cell->GetFormat(), cell->GetFont()),
            std::tuple(QString("Träger"), GridRgb(1, 2, 3), GridRgb(224, 224, 224), unsigned(kFormatRight), font));
  EXPECT_TRUE(cell->IsReadOnly());
  EXPECT_EQ(std::tuple(cell->GetRow(), cell->GetCol(), cell->GetGrid()), std::tuple(1, 1, &grid));
  EXPECT_TRUE(grid.SetCellClass(1, 1, CGridCellCheck::kClassName));
  EXPECT_FALSE(grid.SetCellClass(1, 1, "NoSuchCell"));
  EXPECT_EQ(grid.GetCell(1, 1), cell) << "the same class again or an unknown one makes no new object";
  EXPECT_EQ(grid.freed, 1);

  grid.SetRowCount(2);
  EXPECT_EQ(grid.freed, 7);
  grid.SetColumnCount(1);
  EXPECT_EQ(grid.freed, 11);
  EXPECT_NE(grid.GetCell(1, 0), nullptr);
}

TEST(QORGridRecords, TypesKeepTheRecordMapConsistent)
{
  CQORGridCtrl grid;
  grid.SetupGrid(5, 4, 1, 0);
  std::string problem;
  EXPECT_EQ(grid.SetCellType(2, 3, 3), 3);
  EXPECT_EQ(grid.SetCellType(4, 1, 3), 3);
  EXPECT_EQ(grid.CellRecordCount(), 2);
  EXPECT_EQ(grid.SetCellType(2, 2, 7), 0) << "an unknown code changes nothing";
  EXPECT_EQ(grid.SetCellType(2, 3, 0), 0);
  EXPECT_STREQ(grid.GetCell(2, 3)->ClassName(), CGridCell::kClassName);
  EXPECT_EQ(grid.CellRecordCount(), 1);
  grid.SetRowCount(4);  // row 4 goes, and its record with it
  EXPECT_EQ(grid.CellRecordCount(), 0);
  EXPECT_TRUE(grid.CheckCellRecords(&problem)) << problem;
  grid.SetCellClass(1, 1, CGridCellCheck::kClassName);  // behind the extension's back
  EXPECT_FALSE(grid.CheckCellRecords(&problem));
  EXPECT_EQ(problem, "check box (1, 1) has no record");
}

TEST(QORGridRows, SetRowCountAddsInitialisesRemovesAndRefits)
{
  CRecordingGrid grid;
  grid.resize(400, 200);
  grid.SetupGrid(2, 3, 1, 0);
  for (int col = 0; col < 3; ++col)
    grid.SetColumnWeight(col, 10);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.GetColumnWidth(0) + grid.GetColumnWidth(1) + grid.GetColumnWidth(2), grid.viewport()->width())
      << "a changed count refits";
  grid.SetColumnWidth(0, 7);
  grid.SetCellText(4, 0, "kept");
  grid.SetRowCount(5);
  EXPECT_EQ(grid.GetColumnWidth(0), 7) << "the same count does not refit";
  grid.SetRowCount(1);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.initRows, (std::vector<int>{1, 2, 3, 4, 1, 2}));
  EXPECT_EQ(grid.GetItemText(2, 0), "") << "new rows start empty";
}

TEST(QORGridCommit, ANestedCommitDoesNothing)
{
  struct NestingGrid : CQORGridCtrl {
    void OnCellChanged(int row, int col, int) override
    {
      changes.push_back({row, col});
      if (row == 1)
        FinishCellEdit(2, col, "nested");
    }
    std::vector<CCellID> changes;
  } grid;
  grid.SetupGrid(4, 2, 1, 0);
  grid.FinishCellEdit(1, 0, "outer");
  EXPECT_EQ(grid.GetItemText(2, 0), "");
  grid.FinishCellEdit(2, 0, "again");  // the guard is down again afterwards
  EXPECT_EQ(grid.changes, (std::vector<CCellID>{{1, 0}, {2, 0}}));
}

using QORGrid = GridDialogTest;

TEST_F(QORGrid, LeavingForAnotherControlDropsTheFocusCellAndHighlight)
{
  FocusCell(2, 0);
  grid->HighlightRow(2);
  before->setFocus(Qt::OtherFocusReason);  // an edit field: the grid keeps its state
  EXPECT_EQ(grid->GetHighlightedRow(), 2);
  grid->setFocus(Qt::TabFocusReason);  // it still holds the focus cell: nothing is chosen anew
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 0));
  after->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(grid->GetFocusCell().IsValid());
  EXPECT_EQ(grid->GetHighlightedRow(), -1);
  EXPECT_EQ(grid->GetItemBkColour(2, 0), CQORGridCtrl::kWhite);
}

}  // namespace
