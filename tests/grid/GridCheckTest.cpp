// Check-box cells: only the box reacts to a click, Space toggles, disabled boxes ignore both.
#include <QImage>

#include "GridTestSupport.h"
#include "tavo/grid/GridCellCheck.h"

namespace {

using GridCheck = GridDialogTest;

CGridCellCheck* Box(CQORGridCtrl* grid, int row, int col)
{
  return dynamic_cast<CGridCellCheck*>(grid->GetCell(row, col));
}

QImage Render(QWidget* widget)
{
  return widget->grab().toImage();
}

TEST_F(GridCheck, OnlyAClickInsideTheBoxToggles)
{
  CGridCellCheck* box = Box(grid, 2, 1);
  ASSERT_NE(box, nullptr);
  const QRect cell = grid->GetCellRect(2, 1);
  const QRect inside = box->CheckBoxRect(cell);
  ASSERT_TRUE(cell.contains(inside));
  ASSERT_GT(cell.right() - inside.right(), 2) << "the test needs room beside the box";

  ClickAt(QPoint(cell.right() - 1, cell.center().y()));
  ClickAt(QPoint(cell.left() + 1, cell.bottom() - 1));
  EXPECT_FALSE(grid->GetCheck(2, 1));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 0);

  ClickAt(inside.center());
  EXPECT_TRUE(grid->GetCheck(2, 1));
  EXPECT_EQ(grid->calls.back(), (CRecordingGrid::Call{"OnCellClicked", 2, 1}));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 1);
  ClickAt(inside.center());  // the focus cell now: still a toggle, never an editor
  EXPECT_FALSE(grid->GetCheck(2, 1));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 2);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(grid->Count("OnCellChanged"), 0);
}

TEST_F(GridCheck, SpaceTogglesTheFocusedBox)
{
  FocusCell(3, 1);
  Key(Qt::Key_Space);
  EXPECT_TRUE(grid->GetCheck(3, 1));
  Key(Qt::Key_Space);
  EXPECT_FALSE(grid->GetCheck(3, 1));
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCheckChanged", 3, 1}, {"OnCheckChanged", 3, 1}}));
  EXPECT_FALSE(grid->IsEditing());
  Key(Qt::Key_A);
  EXPECT_FALSE(grid->IsEditing()) << "a box has no text editor";
}

TEST_F(GridCheck, ADisabledBoxIgnoresClicksAndSpaceButIsDrawnInactive)
{
  grid->SetCheck(1, 1, true);
  const QImage enabled = Render(grid->viewport());
  grid->SetCellReadOnly(1, 1, true);
  EXPECT_TRUE(Box(grid, 1, 1)->IsDisabled());
  const QImage disabled = Render(grid->viewport());
  const QRect box = Box(grid, 1, 1)->CheckBoxRect(grid->GetCellRect(1, 1));
  EXPECT_NE(enabled.copy(box), disabled.copy(box)) << "the inactive look differs";
  EXPECT_EQ(enabled.copy(grid->GetCellRect(2, 1)), disabled.copy(grid->GetCellRect(2, 1)));

  ClickAt(box.center());
  grid->SelectCell(1, 1);
  Key(Qt::Key_Space);
  EXPECT_TRUE(grid->GetCheck(1, 1));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 0);
  EXPECT_EQ(grid->GetItemBkColour(1, 1), CQORGridCtrl::kReadOnlyColour) << "only the box is switched";
}

TEST_F(GridCheck, SetCheckCallsNoHookAndTheTextIsEmpty)
{
  EXPECT_FALSE(grid->SetCheck(1, 1, true));
  EXPECT_TRUE(grid->SetCheck(1, 1, true)) << "the previous state";
  EXPECT_TRUE(grid->SetCheck(1, 1, false));
  EXPECT_FALSE(grid->SetCheck(1, 0, true)) << "no check box there";
  EXPECT_FALSE(grid->GetCheck(1, 0));
  EXPECT_EQ(grid->Count("OnCheckChanged"), 0);
  grid->SetCellText(2, 1, "hidden text");
  EXPECT_EQ(grid->GetItemText(2, 1), "hidden text");
  EXPECT_EQ(grid->GetCellText(2, 1), "");
  EXPECT_EQ(grid->GetCellText(2, 0), "k2");
}

}  // namespace
