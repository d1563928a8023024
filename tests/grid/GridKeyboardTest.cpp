// Keys and clicks in a dialog as walks of (key or click -> focus cell, editing, focused widget,
// text): focus hand-over, how edits start, end and carry on, Delete and the clipboard. The moves
// themselves are the navigation table's.
#include <QApplication>
#include <QClipboard>
#include <array>

#include "GridTestSupport.h"

namespace {

using GridWalk = GridDialogTest;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
const CCellID kNoCell;
constexpr const char* kGrid = "gridProperties";
constexpr const char* kEdit = "inPlaceEdit";

TEST_F(GridWalk, KeysHandTheFocusOnAndStartEndAndCarryEdits)
{
  Walk({
      {Qt::Key_Tab, {1, 0}, false, kGrid, "k1"},
      {kCtrl | Qt::Key_End, {3, 4}, false, kGrid},
      {Qt::Key_Tab, kNoCell, false, "btnAfter"},
      {kShift | Qt::Key_Tab, kNoCell, false, "btnNoText"},  // the dialog's own order
      {kShift | Qt::Key_Tab, {3, 4}, false, kGrid},         // arrives at the last cell
      {kCtrl | Qt::Key_Home, {1, 0}, false, kGrid},
      {kShift | Qt::Key_Tab, kNoCell, false, "edtBefore"},
      {Qt::Key_Tab, {1, 0}, false, kGrid},
      {Qt::Key_X, {1, 0}, true, kEdit, "x"},  // a letter replaces the text
      {Qt::Key_Escape, {1, 0}, false, kGrid, "k1"},
      {Qt::Key_End, {1, 4}, false, kGrid},
      {Qt::Key_Space, {1, 4}, true, kEdit, "1.5"},
      {Qt::Key_9, {1, 4}, true, kEdit, "9"},  // a blank selects the text
      {Qt::Key_Escape, {1, 4}, false, kGrid, "1.5"},
      {Qt::Key_Return, {1, 4}, true, kEdit, "1.5"},
      {Qt::Key_9, {1, 4}, true, kEdit, "1.59"},
      {Qt::Key_Escape, {1, 4}, false, kGrid, "1.5"},
      {Qt::Key_F2, {1, 4}, true, kEdit, "1.5"},
      {Qt::Key_Backspace, {1, 4}, true, kEdit, "1."},  // the caret is at the end
      {Qt::Key_7, {1, 4}, true, kEdit, "1.7"},
      {Qt::Key_Enter, {2, 0}, true, kEdit, "k2"},  // Enter acts as Tab
      {Qt::Key_A, {2, 0}, true, kEdit, "a"},       // opened by Tab: the text is selected
      {Qt::Key_Return, {2, 1}, false, kGrid},      // the check box has no editor
      {Qt::Key_Space, {2, 1}, false, kGrid},       // but Space toggles it
      {Qt::Key_Tab, {2, 4}, false, kGrid, "2.5"},
      {Qt::Key_F2, {2, 4}, true, kEdit},
      {Qt::Key_Left, {2, 4}, true, kEdit, "2.5"},
      {Qt::Key_0, {2, 4}, true, kEdit, "2.05"},
      {Qt::Key_Up, {1, 4}, true, kEdit, "1.7"},  // a vertical arrow ends, moves and edits there
      {kCtrl | Qt::Key_Right, {1, 0}, true, kEdit, "k1"},
      {Qt::Key_Tab, {1, 1}, false, kGrid},
      {kCtrl | Qt::Key_End, {3, 4}, false, kGrid},
      {Qt::Key_Return, {3, 4}, true, kEdit},
      {Qt::Key_Return, kNoCell, false, "btnAfter"},  // Enter as Tab on the last cell
  });
  EXPECT_EQ(std::vector<QString>({Text(1, 4), Text(2, 0), Text(2, 4)}), std::vector<QString>({"1.7", "a", "2.05"}));
  EXPECT_TRUE(grid->GetCheck(2, 1));
  EXPECT_FALSE(grid->HasFocusState());
  EXPECT_TRUE(dialog->isVisible()) << "the Escape went to the editor, not the dialog";
}

TEST_F(GridWalk, ClicksDeleteAndTheClipboardChangeOnlyEditableCells)
{
  Walk({
      {kClick, {2, 0}, false, kGrid, "k2"},
      {kClick, {2, 0}, true, kEdit, "k2"},  // on the focus cell: the edit starts at the release
      {Qt::Key_Z, {2, 0}, true, kEdit, "k2z"},
      {kClick, {3, 4}, false, kGrid, "3.5"},  // a press elsewhere ends the edit first
      {Qt::Key_Delete, {3, 4}, false, kGrid, ""},
      {kClick, {1, 2}, false, kGrid, "f1"},
      {kClick, {1, 2}, false, kGrid, "f1"},  // read-only: no edit on the second click, nor by keys
      {Qt::Key_A, {1, 2}, false, kGrid, "f1"},
      {Qt::Key_F2, {1, 2}, false, kGrid, "f1"},
      {Qt::Key_Delete, {1, 2}, false, kGrid, "f1"},
      {kCtrl | Qt::Key_C, {1, 2}, false, kGrid, "f1"},
      {kClick, {1, 2}, false, kGrid, "f1", {0, 4}},  // the header row takes no focus
  });
  EXPECT_EQ(QApplication::clipboard()->text(), "f1\n");
  EXPECT_EQ(grid->calls.front(), (CRecordingGrid::Call{"OnCellClicked", 2, 0}));
  EXPECT_EQ(grid->Count("OnCellChanged"), 2) << "(2, 0) and (3, 4)";
  QApplication::clipboard()->setText("x\ty\tz\n");
  Walk({
      {kClick, {3, 0}, false, kGrid},
      {kCtrl | Qt::Key_V, {3, 0}, false, kGrid, "x"},
      {kClick, {1, 0}, false, kGrid},
      {kShift | Qt::Key_Insert, {1, 0}, false, kGrid, "x"},
      {kCtrl | Qt::Key_X, {1, 0}, false, kGrid, ""},  // Ctrl with a letter starts no edit
  });
  EXPECT_EQ(std::vector<QString>({Text(3, 1), Text(3, 2)}), std::vector<QString>({"", "f3"}))
      << "a check box is no text field, a read-only cell takes nothing";
  EXPECT_EQ(QApplication::clipboard()->text(), "x\n");
}

TEST_F(GridWalk, CellKeyDownSeesTheCellAfterTheMove)
{
  struct KeyGrid : CRecordingGrid {
    void OnCellKeyDown(int row, int col, int key) override { seen.push_back({row, col, key}); }
    std::vector<std::array<int, 3>> seen;
  } keyGrid;
  keyGrid.SetupGrid(3, 2, 1, 0);
  keyGrid.SetFocusCell(1, 0);
  QTest::keyClick(&keyGrid, Qt::Key_Down);
  QTest::keyClick(&keyGrid, Qt::Key_Right);
  EXPECT_EQ(keyGrid.seen, (std::vector<std::array<int, 3>>{{2, 0, Qt::Key_Down}, {2, 1, Qt::Key_Right}}));
}

}  // namespace
