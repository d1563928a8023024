// The editing cycle driven by keys: how an edit starts, the keys that end it, what is committed.
#include "GridTestSupport.h"

namespace {

using GridEditing = GridDialogTest;

TEST_F(GridEditing, TypingALetterReplacesTheTextAndLeavesTheEditorOpen)
{
  FocusCell(1, 0);
  Key(Qt::Key_X);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
  EXPECT_EQ(Editor()->text(), "x");
  EXPECT_EQ(FocusName(), "inPlaceEdit");
  Type("yz");
  EXPECT_EQ(Editor()->text(), "xyz");
  EXPECT_EQ(Text(1, 0), "k1") << "nothing is committed while the editor is open";
  EXPECT_EQ(grid->Count("OnCellChanged"), 0);
}

TEST_F(GridEditing, StartKeysPlaceTheCaretOrSelectTheText)
{
  FocusCell(1, 4);  // "1.5"
  Key(Qt::Key_F2);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_FALSE(Editor()->hasSelectedText());
  EXPECT_EQ(Editor()->cursorPosition(), 3);
  Key(Qt::Key_Escape);

  Key(Qt::Key_Backspace);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(Editor()->text(), "1.") << "the backspace is replayed at the end";
  Key(Qt::Key_Escape);

  Key(Qt::Key_Space);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(Editor()->text(), "1.5");
  EXPECT_EQ(Editor()->selectedText(), "1.5") << "a blank selects the text";
  Key(Qt::Key_Escape);

  Key(Qt::Key_Return);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_FALSE(Editor()->hasSelectedText());
  EXPECT_EQ(Editor()->cursorPosition(), 3);
}

TEST_F(GridEditing, EnterEndsTheEditMovesOnAndOpensTheNextEditor)
{
  FocusCell(1, 0);
  Type("a");
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(1, 0), "a");
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCellChanged", 1, 0}}));
  // Enter acts as Tab: the check box of column 1 is next; it has no editor, so none opens.
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(FocusName(), "gridProperties");

  FocusCell(1, 4);
  Type("7");
  Key(Qt::Key_Enter);
  EXPECT_EQ(Text(1, 4), "7");
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->GetEditCell(), CCellID(2, 0));
  EXPECT_EQ(Editor()->selectedText(), "k2") << "opened by Tab: the text is selected";
  EXPECT_EQ(FocusName(), "inPlaceEdit");
}

TEST_F(GridEditing, EscapeRestoresTheTextAndMovesNowhere)
{
  FocusCell(2, 4);
  Type("99");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(2, 4), "2.5");
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
  EXPECT_EQ(FocusName(), "gridProperties");
  EXPECT_TRUE(dialog->isVisible()) << "the Escape went to the editor, not the dialog";
}

TEST_F(GridEditing, ArrowsMoveTheCaretUnlessCtrlOrVerticalEndsTheEdit)
{
  FocusCell(2, 4);
  Key(Qt::Key_F2);
  Key(Qt::Key_Left);
  EXPECT_TRUE(grid->IsEditing());
  EXPECT_EQ(Editor()->cursorPosition(), 2);
  Type("0");
  Key(Qt::Key_Up);  // ends, moves up, and edits there with the text selected
  EXPECT_EQ(Text(2, 4), "2.05");
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->GetEditCell(), CCellID(1, 4));
  EXPECT_EQ(Editor()->selectedText(), "1.5");
  Key(Qt::Key_Right, Qt::ControlModifier);  // wraps within the row, past the read-only and hidden cells
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
  Key(Qt::Key_Down);
  EXPECT_EQ(grid->GetEditCell(), CCellID(2, 0));
}

TEST_F(GridEditing, LosingTheFocusCommitsOnce)
{
  FocusCell(3, 0);
  Type("neu");
  after->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(3, 0), "neu");
  EXPECT_EQ(grid->Count("OnCellChanged"), 1);
  EXPECT_EQ(FocusName(), "btnAfter");
}

TEST_F(GridEditing, GetCellTextEndsAnOpenEdit)
{
  FocusCell(3, 4);
  Type("4");
  EXPECT_EQ(grid->GetCellText(3, 4), "4");
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(grid->Count("OnCellChanged"), 1);
  EXPECT_EQ(FocusName(), "gridProperties") << "the focus stays in the grid";
}

TEST_F(GridEditing, ReadOnlyCellsAndVetoesOpenNoEditor)
{
  FocusCell(1, 2);
  Key(Qt::Key_A);
  Key(Qt::Key_F2);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(1, 2), "f1");

  std::vector<int> codes;
  grid->SetOwnerHandler([&](int code, int, int) {
    codes.push_back(code);
    return code == kNotifyBeginEdit ? -1 : 0;
  });
  FocusCell(1, 0);
  Key(Qt::Key_A);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(codes, std::vector<int>{kNotifyBeginEdit});
  grid->SetOwnerHandler([&](int code, int, int) {
    codes.push_back(code);
    return 0;
  });
  codes.clear();
  Key(Qt::Key_A);
  Key(Qt::Key_Escape);
  EXPECT_EQ(codes, (std::vector<int>{kNotifyBeginEdit, kNotifyEndEdit}));
}

TEST_F(GridEditing, TheEditorGrowsToFitWithinTheGrid)
{
  FocusCell(1, 0);
  Key(Qt::Key_F2);
  const int start = Editor()->width();
  EXPECT_EQ(start, grid->GetCellRect(1, 0).width());
  Type("a long text that needs more room than the first column");
  EXPECT_GT(Editor()->width(), start);
  EXPECT_LE(Editor()->geometry().right(), grid->viewport()->width() - 1);
  EXPECT_EQ(Editor()->height(), grid->GetCellRect(1, 0).height());
}

}  // namespace
