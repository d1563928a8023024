// Mouse handling: editing on release over the focus cell, double click, right release, resizing.
#include <QApplication>

#include "GridTestSupport.h"

namespace {

using GridMouse = GridDialogTest;

TEST_F(GridMouse, AClickSelectsAndASecondClickEdits)
{
  Click(2, 0);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 0));
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(FocusName(), "gridProperties");
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCellClicked", 2, 0}}));

  Click(2, 0);  // on the focus cell: the edit starts at the release, caret at the end
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(Editor()->cursorPosition(), 2);
  EXPECT_FALSE(Editor()->hasSelectedText());

  Click(3, 4);  // a press elsewhere ends the edit first
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 4));
  EXPECT_EQ(grid->Count("OnCellChanged"), 1);

  Click(1, 2);  // read-only: focus, but no edit even on the second click
  Click(1, 2);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 2));
  EXPECT_FALSE(grid->IsEditing());

  Click(0, 4);  // the header row takes no focus
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 2));
}

TEST_F(GridMouse, DoubleClickEdits)
{
  std::vector<int> codes;
  grid->SetOwnerHandler([&](int code, int, int) {
    codes.push_back(code);
    return 0;
  });
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(3, 0));
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->GetEditCell(), CCellID(3, 0));
  EXPECT_NE(std::find(codes.begin(), codes.end(), kNotifyDoubleClick), codes.end());
}

TEST_F(GridMouse, RightReleaseShowsNoMenuAndChangesNothing)
{
  Click(2, 4);
  Key(Qt::Key_5);
  grid->HighlightRow(2);
  grid->calls.clear();
  std::vector<int> codes;
  grid->SetOwnerHandler([&](int code, int, int) {
    codes.push_back(code);
    return 0;
  });
  const QPoint inEditor = Editor()->geometry().center();
  QTest::mouseClick(Editor(), Qt::RightButton, Qt::NoModifier, Editor()->rect().center());
  Click(3, 0, Qt::RightButton);
  ClickAt(QPoint(grid->viewport()->width() - 2, grid->viewport()->height() - 2), Qt::RightButton);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  ASSERT_TRUE(grid->IsEditing()) << "not even the edit ends";
  EXPECT_EQ(Editor()->text(), "5");
  EXPECT_EQ(Editor()->geometry().center(), inEditor);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
  EXPECT_EQ(grid->GetHighlightedRow(), 2);
  EXPECT_TRUE(grid->calls.empty());
  EXPECT_TRUE(codes.empty());
}

TEST(GridMouseBase, RightReleaseMovesTheFocusAndNotifiesTheOwner)
{
  CGridCtrl grid;
  Shape(grid, 3, 3, 1);
  grid.resize(300, 200);
  grid.show();
  std::vector<std::array<int, 3>> notes;
  grid.SetOwnerHandler([&](int code, int row, int col) {
    if (code == kNotifyRightClick)
      notes.push_back({code, row, col});
    return 0;
  });
  QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::NoModifier, grid.GetCellRect(0, 1).center());
  EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1)) << "the nearest data cell";
  QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(295, 195));
  EXPECT_EQ(notes, (std::vector<std::array<int, 3>>{{kNotifyRightClick, 1, 1}, {kNotifyRightClick, -1, -1}}));
}

TEST_F(GridMouse, DraggingAHeaderBorderResizesTheColumn)
{
  const auto drag = [&](const QPoint& from, const QPoint& to) {
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, grid->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, to);
  };
  const int width = grid->GetColumnWidth(0);
  const QRect header = grid->GetCellRect(0, 0);
  const QPoint border(header.right() + 1, header.center().y());
  drag(border, border + QPoint(25, 0));
  EXPECT_EQ(grid->GetColumnWidth(0), width + 25);
  drag(border + QPoint(25, 0), QPoint(-50, border.y()));
  EXPECT_EQ(grid->GetColumnWidth(0), 1) << "no narrower than a pixel";
  EXPECT_FALSE(grid->GetFocusCell().IsValid()) << "resizing selects nothing";
}

}  // namespace
