// Copy, delete and priority.

#include "EditorTestSupport.h"

#include <QTest>

namespace {

std::function<bool(CCopyDlg&)> CopyAs(const std::string& name, int intoUser = -1, const std::string& priority = "#")
{
  return [=](CCopyDlg& dialog) {
    dialog.newName = name;
    if (intoUser >= 0)
      dialog.intoUserFile = intoUser;
    if (priority != "#")
      dialog.priorityText = priority;
    return true;
  };
}

constexpr const char* kStandardChanged =
    "Die QOR - Materialdatei wurde verändert,\nSollen die Änderungen gespeichert werden?";

}  // namespace

TEST_F(EditorTest, CopyUnderATakenNameAsksAgainThenCopiesIntoTheUserFile)
{
  StartValues start;
  start.kat = "Stahl";
  Open(start, StandardFixture(), "");
  std::string proposed;
  prompts.copyRuns = {[&](CCopyDlg& dialog) {
                        proposed = dialog.priorityText;
                        dialog.newName = "S235";
                        return true;
                      },
                      CopyAs("S235 eigen")};
  Control<QPushButton>("btnCopyObject")->click();

  EXPECT_EQ(proposed, "");  // the normal mode proposes nothing: the copy gets no priority
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0], "Der angegebene Name existiert schon!");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());
}

TEST_F(EditorTest, CopyInQorModeProposesThePriorityAndTheStandardFile)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  std::string proposed;
  int intoUser = -1;
  prompts.copyRuns = {[&](CCopyDlg& dialog) {
    proposed = dialog.priorityText;
    intoUser = dialog.intoUserFile;
    dialog.newName = "C25/30";
    return true;
  }};
  dialog->OnCopyObject();
  EXPECT_EQ(proposed, "3");  // priorities 0, 1 and the user's 2
  EXPECT_EQ(intoUser, 0);
  EXPECT_EQ(List(3)->currentText(), "C25/30");
}

TEST_F(EditorTest, CancelledCopyChangesNothing)
{
  Open();
  prompts.copyRuns = {[](CCopyDlg&) { return false; }};
  dialog->OnCopyObject();
  EXPECT_EQ(List(3)->count(), 3);
  dialog->OnCancel();
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorTest, DeletingAUserObjectAsksThenRebuildsTheObjectList)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  prompts.answers = {CEditorPrompts::Answer::No};
  dialog->OnDeleteObject();
  EXPECT_EQ(prompts.asked.back(), "Sind Sie sicher, dass sie das Objekt 'Eigen' löschen wollen?");
  EXPECT_EQ(List(3)->currentText(), "Eigen");

  prompts.answers = {CEditorPrompts::Answer::Yes};
  dialog->OnDeleteObject();
  EXPECT_EQ(List(3)->findText("Eigen"), -1);
  EXPECT_EQ(List(3)->currentIndex(), 0);
  EXPECT_EQ(dialog->Selection(CTavoEditDlg::kObjekt), List(3)->currentIndex());
}

TEST_F(EditorTest, NormalModeDoesNotDeleteStandardObjects)
{
  Open();
  prompts.answers = {CEditorPrompts::Answer::Yes};
  dialog->OnDeleteObject();
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(List(3)->count(), 3);
}

TEST_F(EditorTest, PriorityFieldStoresANumberAndIgnoresTheRest)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  QLineEdit* priority = Control<QLineEdit>("edtPriority");
  const auto stored = [&] { return DocumentPriority(handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"); };
  priority->setText("abc");
  dialog->OnPriorityChanged();
  EXPECT_EQ(stored(), "0");
  priority->setText(" 12 ");
  dialog->OnPriorityChanged();
  EXPECT_EQ(stored(), "12");
}

TEST_F(EditorTest, TypedPriorityIsStoredBeforeTheClosingQuestionsHoweverTheEditorCloses)
{
  const std::function<void(CTavoEditDlg&)> closings[] = {
      [](CTavoEditDlg& dlg) { QTest::keyClick(dlg.findChild<QLineEdit*>("edtPriority"), Qt::Key_Escape); },
      [](CTavoEditDlg& dlg) { dlg.close(); },
      [](CTavoEditDlg& dlg) { QTest::mouseClick(dlg.findChild<QPushButton*>("btnClose"), Qt::LeftButton); },
  };
  for (const auto& close : closings) {
    StartValues start;
    start.qorMode = true;
    Open(start);
    dialog->show();
    QLineEdit* priority = Control<QLineEdit>("edtPriority");
    priority->setFocus();
    priority->selectAll();
    QTest::keyClicks(priority, "7");
    prompts.answers = {CEditorPrompts::Answer::Cancel};  // the dialog stays open to be looked at
    close(*dialog);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{kStandardChanged});
    EXPECT_EQ(DocumentPriority(handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"), "7");
    prompts.asked.clear();
  }
}
