// What the walks do not show: commits and vetoes, the editor's size, the right button, resizing
// by the header, and check boxes, which react to a click inside the box only.
#include <QApplication>

#include "GridTestSupport.h"
#include "tavo/grid/GridCellCheck.h"

namespace {

using GridWidget = GridDialogTest;

TEST_F(GridWidget, ReadingTheTextOrLosingTheFocusCommitsOnce)
{
  FocusCell(3, 4);
  Type("4");
  EXPECT_EQ(grid->GetCellText(3, 4), "4");
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(FocusName(), "gridProperties") << "reading the text keeps the focus in the grid";
  FocusCell(3, 0);
  Type("neu");
  after->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(Text(3, 0), "neu");
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCellChanged", 3, 4}, {"OnCellChanged", 3, 0}}));
}

TEST_F(GridWidget, TheOwnerMayVetoAnEditWhichThenGrowsWithinTheGrid)
{
  std::vector<int> codes;
  int answer = -1;
  grid->SetOwnerHandler([&](int code, int, int) {
    if (code == kNotifyBeginEdit || code == kNotifyEndEdit || code == kNotifyDoubleClick)
      codes.push_back(code);
    return code == kNotifyBeginEdit ? answer : 0;
  });
  FocusCell(1, 0);
  Key(Qt::Key_A);
  EXPECT_FALSE(grid->IsEditing());
  answer = 0;
  Key(Qt::Key_F2);
  EXPECT_EQ(Editor()->width(), grid->GetCellRect(1, 0).width());
  Type("a long text that needs more room than the first column");
  EXPECT_GT(Editor()->width(), grid->GetCellRect(1, 0).width());
  EXPECT_LE(Editor()->geometry().right(), grid->viewport()->width() - 1);
  Key(Qt::Key_Escape);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(3, 0));
  EXPECT_EQ(grid->GetEditCell(), CCellID(3, 0));
  EXPECT_EQ(codes, (std::vector<int>{kNotifyBeginEdit, kNotifyBeginEdit, kNotifyEndEdit, kNotifyDoubleClick,
                                     kNotifyBeginEdit}));
}

TEST_F(GridWidget, RightReleaseShowsNoMenuAndChangesNothing)
{
  Click(2, 4);
  Key(Qt::Key_5);
  grid->HighlightRow(2);
  grid->calls.clear();
  const QPoint inEditor = Editor()->geometry().center();
  QTest::mouseClick(Editor(), Qt::RightButton, Qt::NoModifier, Editor()->rect().center());
  Click(3, 0, Qt::RightButton);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  ASSERT_TRUE(grid->IsEditing()) << "not even the edit ends";
  EXPECT_EQ(Editor()->text(), "5");
  EXPECT_EQ(Editor()->geometry().center(), inEditor);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
  EXPECT_EQ(grid->GetHighlightedRow(), 2);
  EXPECT_TRUE(grid->calls.empty());
}

TEST_F(GridWidget, DraggingAHeaderBorderResizesTheColumn)
{
  const auto drag = [&](const QPoint& from, const QPoint& to) {
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, grid->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, to);
  };
  const int width = grid->GetColumnWidth(0);
  const QPoint border(grid->GetCellRect(0, 0).right() + 1, grid->GetCellRect(0, 0).center().y());
  drag(border, border + QPoint(25, 0));
  EXPECT_EQ(grid->GetColumnWidth(0), width + 25);
  drag(border + QPoint(25, 0), QPoint(-50, border.y()));
  EXPECT_EQ(grid->GetColumnWidth(0), 1) << "no narrower than a pixel";
  EXPECT_FALSE(grid->GetFocusCell().IsValid()) << "resizing selects nothing";
}

TEST_F(GridWidget, OnlyAClickInsideAnEnabledBoxToggles)
{
  const auto box = [&](int row) { return dynamic_cast<CGridCellCheck*>(grid->GetCell(row, 1)); };
  const QRect cell = grid->GetCellRect(2, 1);
  const QRect inside = box(2)->CheckBoxRect(cell);
  ASSERT_GT(cell.right() - inside.right(), 2) << "the test needs room beside the box";
  ClickAt(QPoint(cell.right() - 1, cell.center().y()));
  ClickAt(QPoint(cell.left() + 1, cell.bottom() - 1));
  EXPECT_FALSE(grid->GetCheck(2, 1));
  ClickAt(inside.center());
  EXPECT_TRUE(grid->GetCheck(2, 1));
  ClickAt(inside.center());  // the focus cell now: still a toggle, never an editor
  EXPECT_FALSE(grid->GetCheck(2, 1));
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(grid->Count("OnCheckChanged"), 2);

  grid->SetCheck(1, 1, true);
  const QImage enabled = grid->viewport()->grab().toImage();
  grid->SetCellReadOnly(1, 1, true);
  const QImage disabled = grid->viewport()->grab().toImage();
  const QRect disabledBox = box(1)->CheckBoxRect(grid->GetCellRect(1, 1));
  EXPECT_NE(enabled.copy(disabledBox), disabled.copy(disabledBox)) << "the inactive look differs";
  ClickAt(disabledBox.center());
  grid->SelectCell(1, 1);
  Key(Qt::Key_Space);
  EXPECT_TRUE(grid->GetCheck(1, 1));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 2);
  EXPECT_EQ(grid->GetItemBkColour(1, 1), CQORGridCtrl::kReadOnlyColour) << "only the box is switched";
}

}  // namespace
