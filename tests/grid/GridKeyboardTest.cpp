// Keyboard navigation and focus hand-over as walks of (key -> focus cell, editing, focused widget).
#include <QApplication>
#include <QClipboard>
#include <array>

#include "GridTestSupport.h"

namespace {

using GridKeyboard = GridDialogTest;
constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
const CCellID kNoCell;

TEST_F(GridKeyboard, TabWalksTheEditableCellsAndHandsTheFocusOn)
{
  // Into the grid from the field before it; then through the cells that take the focus
  // (column 2 is read-only, column 3 hidden); out past the button without text; and back.
  Walk({
      {Qt::Key_Tab, kNone, {1, 0}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, {1, 1}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, {1, 4}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, {2, 0}, false, "gridProperties"},
      {Qt::Key_Tab, kShift, {1, 4}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, {2, 0}, false, "gridProperties"},
      {Qt::Key_End, kCtrl, {3, 4}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, kNoCell, false, "btnAfter"},
      {Qt::Key_Tab, kShift, kNoCell, false, "btnNoText"},      // the dialog's own order
      {Qt::Key_Tab, kShift, {3, 4}, false, "gridProperties"},  // arrives at the last cell
      {Qt::Key_Home, kCtrl, {1, 0}, false, "gridProperties"},
      {Qt::Key_Tab, kShift, kNoCell, false, "edtBefore"},
      {Qt::Key_Tab, kNone, {1, 0}, false, "gridProperties"},
  });
}

TEST_F(GridKeyboard, TabWhileEditingCarriesTheEditOnAndOutOfTheGrid)
{
  FocusCell(2, 4);
  Walk({
      {Qt::Key_F2, kNone, {2, 4}, true, "inPlaceEdit"},
      {Qt::Key_Tab, kNone, {3, 0}, true, "inPlaceEdit"},
      {Qt::Key_Tab, kNone, {3, 1}, false, "gridProperties"},  // the check box has no editor
      {Qt::Key_Tab, kNone, {3, 4}, false, "gridProperties"},
      {Qt::Key_Return, kNone, {3, 4}, true, "inPlaceEdit"},
      {Qt::Key_Return, kNone, kNoCell, false, "btnAfter"},  // Enter as Tab on the last cell
  });
  EXPECT_EQ(grid->Count("OnCellChanged"), 3);
  EXPECT_FALSE(grid->HasFocusState());
}

TEST_F(GridKeyboard, ArrowsPagesHomeAndEnd)
{
  FocusCell(2, 0);
  Walk({
      {Qt::Key_Right, kNone, {2, 1}, false, "gridProperties"},
      {Qt::Key_Right, kNone, {2, 4}, false, "gridProperties"},
      {Qt::Key_Right, kNone, {2, 0}, false, "gridProperties"},  // wraps within the row
      {Qt::Key_Left, kNone, {2, 4}, false, "gridProperties"},
      {Qt::Key_Down, kNone, {3, 4}, false, "gridProperties"},
      {Qt::Key_Down, kNone, {3, 4}, false, "gridProperties"},  // the last row holds
      {Qt::Key_PageUp, kNone, {1, 4}, false, "gridProperties"},
      {Qt::Key_Up, kNone, {1, 4}, false, "gridProperties"},  // never into the header
      {Qt::Key_Home, kNone, {1, 0}, false, "gridProperties"},
      {Qt::Key_End, kNone, {1, 4}, false, "gridProperties"},  // the last shown column
      {Qt::Key_PageDown, kNone, {3, 4}, false, "gridProperties"},
      {Qt::Key_Home, kCtrl, {1, 0}, false, "gridProperties"},
  });
}

TEST_F(GridKeyboard, RefusingCellsAreSkippedUntilNoneIsLeft)
{
  grid->SetCellReadOnly(2, 1, true);  // a disabled box refuses the focus
  grid->SetCellReadOnly(2, 4, true);
  FocusCell(2, 0);
  Walk({{Qt::Key_Tab, kNone, {3, 0}, false, "gridProperties"}});
  for (int row = 1; row < 4; ++row) {
    for (int col : {0, 1, 4})
      grid->SetCellReadOnly(row, col, true);
  }
  // No cell takes the focus: the walk goes on over every shown cell.
  Walk({{Qt::Key_Right, kNone, {3, 1}, false, "gridProperties"},
        {Qt::Key_Right, kNone, {3, 2}, false, "gridProperties"},
        {Qt::Key_Right, kNone, {3, 4}, false, "gridProperties"}});
}

TEST_F(GridKeyboard, CellKeyDownSeesTheCellAfterTheMove)
{
  struct KeyGrid : CRecordingGrid {
    using CRecordingGrid::CRecordingGrid;
    void OnCellKeyDown(int row, int col, int key) override { seen.push_back({row, col, key}); }
    std::vector<std::array<int, 3>> seen;
  };
  KeyGrid keyGrid;
  keyGrid.SetupGrid(3, 2, 1, 0);
  keyGrid.SetFocusCell(1, 0);
  QTest::keyClick(&keyGrid, Qt::Key_Down);
  QTest::keyClick(&keyGrid, Qt::Key_Right);
  EXPECT_EQ(keyGrid.seen, (std::vector<std::array<int, 3>>{{2, 0, Qt::Key_Down}, {2, 1, Qt::Key_Right}}));
}

TEST_F(GridKeyboard, DeleteAndClipboardChangeOnlyEditableCells)
{
  FocusCell(2, 4);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(2, 4), "");
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCellChanged", 2, 4}}));
  FocusCell(2, 2);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(2, 2), "f2") << "read-only";
  Key(Qt::Key_C, kCtrl);
  EXPECT_EQ(QApplication::clipboard()->text(), "f2\n");

  QApplication::clipboard()->setText("x\ty\tz\n");
  FocusCell(3, 0);
  Key(Qt::Key_V, kCtrl);
  EXPECT_EQ(Text(3, 0), "x");
  EXPECT_EQ(Text(3, 1), "") << "a check box is no text field";
  EXPECT_EQ(Text(3, 2), "f3");
  FocusCell(1, 0);
  Key(Qt::Key_Insert, kShift);
  EXPECT_EQ(Text(1, 0), "x");
  Key(Qt::Key_X, kCtrl);
  EXPECT_EQ(Text(1, 0), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "x\n");
  EXPECT_FALSE(grid->IsEditing()) << "Ctrl with a letter starts no edit";
}

}  // namespace
