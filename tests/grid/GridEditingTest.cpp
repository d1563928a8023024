// The editing cycle driven by keys: how an edit starts, the keys that end it, what is committed.
#include "GridTestSupport.h"

namespace {

using GridEditing = GridDialogTest;

TEST_F(GridEditing, TypingALetterReplacesTheTextAndEscapePutsItBack)
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
  Key(Qt::Key_Escape);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(1, 0), "k1");
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0)) << "Escape moves nowhere";
  EXPECT_EQ(FocusName(), "gridProperties");
  EXPECT_TRUE(dialog->isVisible()) << "the Escape went to the editor, not the dialog";
}

TEST_F(GridEditing, StartKeysPlaceTheCaretOrSelectTheText)
{
  const struct {
    int key;
    const char* text;
    const char* selected;
    int caret;
  } kStarts[] = {
      {Qt::Key_F2, "1.5", "", 3},
      {Qt::Key_Backspace, "1.", "", 2},  // replayed at the end
      {Qt::Key_Space, "1.5", "1.5", 3},  // a blank selects the text
      {Qt::Key_Return, "1.5", "", 3},
  };
  FocusCell(1, 4);
  for (const auto& start : kStarts) {
    SCOPED_TRACE(QKeySequence(start.key).toString().toStdString());
    Key(start.key);
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(Editor()->text(), start.text);
    EXPECT_EQ(Editor()->selectedText(), start.selected);
    EXPECT_EQ(Editor()->cursorPosition(), start.caret);
    Key(Qt::Key_Escape);
  }
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

TEST_F(GridEditing, ReadingTheTextOrLosingTheFocusCommitsOnce)
{
  FocusCell(3, 4);
  Type("4");
  EXPECT_EQ(grid->GetCellText(3, 4), "4");
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(FocusName(), "gridProperties") << "reading the text keeps the focus in the grid";
  FocusCell(3, 0);
  Type("neu");
  after->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(3, 0), "neu");
  EXPECT_EQ(grid->calls, (std::vector<CRecordingGrid::Call>{{"OnCellChanged", 3, 4}, {"OnCellChanged", 3, 0}}));
  EXPECT_EQ(FocusName(), "btnAfter");
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
