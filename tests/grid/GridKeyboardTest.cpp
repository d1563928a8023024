// The keyboard in a dialog: focus hand-over, edits carried on by keys, Delete and the clipboard,
// as walks of (key -> focus cell, editing, focused widget).
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

TEST_F(GridKeyboard, TabHandsTheFocusOnAtEitherEndOfTheGrid)
{
  // Into the grid from the field before it, along its cells (the moves themselves are the
  // navigation table's), out past the button without text, and back.
  Walk({
      {Qt::Key_Tab, kNone, {1, 0}, false, "gridProperties"},
      {Qt::Key_PageDown, kNone, {3, 0}, false, "gridProperties"},
      {Qt::Key_End, kCtrl, {3, 4}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, kNoCell, false, "btnAfter"},
      {Qt::Key_Tab, kShift, kNoCell, false, "btnNoText"},      // the dialog's own order
      {Qt::Key_Tab, kShift, {3, 4}, false, "gridProperties"},  // arrives at the last cell
      {Qt::Key_Home, kCtrl, {1, 0}, false, "gridProperties"},
      {Qt::Key_Tab, kShift, kNoCell, false, "edtBefore"},
      {Qt::Key_Tab, kNone, {1, 0}, false, "gridProperties"},
  });
}

TEST_F(GridKeyboard, KeysThatEndAnEditCarryItOnAndOutOfTheGrid)
{
  FocusCell(1, 4);
  Type("7");
  Walk({{Qt::Key_Enter, kNone, {2, 0}, true, "inPlaceEdit"}});  // Enter acts as Tab
  EXPECT_EQ(Text(1, 4), "7");
  EXPECT_EQ(Editor()->selectedText(), "k2") << "opened by Tab: the text is selected";
  Type("a");
  Walk({
      {Qt::Key_Return, kNone, {2, 1}, false, "gridProperties"},  // the check box has no editor
      {Qt::Key_Tab, kNone, {2, 4}, false, "gridProperties"},
      {Qt::Key_F2, kNone, {2, 4}, true, "inPlaceEdit"},
      {Qt::Key_Tab, kNone, {3, 0}, true, "inPlaceEdit"},
      {Qt::Key_Tab, kNone, {3, 1}, false, "gridProperties"},
      {Qt::Key_Tab, kNone, {3, 4}, false, "gridProperties"},
      {Qt::Key_Return, kNone, {3, 4}, true, "inPlaceEdit"},
      {Qt::Key_Return, kNone, kNoCell, false, "btnAfter"},  // Enter as Tab on the last cell
  });
  EXPECT_EQ(Text(2, 0), "a");
  EXPECT_EQ(grid->Count("OnCellChanged"), 5);
  EXPECT_FALSE(grid->HasFocusState());
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
