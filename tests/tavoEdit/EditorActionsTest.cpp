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
  m_prompts.copyRuns = {[&](CCopyDlg& dialog) {
                          proposed = dialog.priorityText;
                          dialog.newName = "S235";
                          return true;
                        },
                        CopyAs("S235 eigen")};
  Control<QPushButton>("btnCopyObject")->click();

  EXPECT_EQ(proposed, "");  // the normal mode proposes nothing: the copy gets no priority
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_EQ(m_prompts.asked[0], "Der angegebene Name existiert schon!");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());
}

TEST_F(EditorTest, CopyInQorModeProposesThePriorityAndTheStandardFileUnlessCancelled)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  m_prompts.copyRuns = {[](CCopyDlg&) { return false; }};  // cancelled: nothing happens
  m_dialog->OnCopyObject();
  EXPECT_EQ(List(3)->count(), 3);
  EXPECT_EQ(List(3)->currentText(), "C20/25");
  EXPECT_TRUE(m_prompts.asked.empty());

  std::string proposed;
  int intoUser = -1;
  m_prompts.copyRuns = {[&](CCopyDlg& dialog) {
    proposed = dialog.priorityText;
    intoUser = dialog.intoUserFile;
    dialog.newName = "C25/30";
    return true;
  }};
  m_dialog->OnCopyObject();
  EXPECT_EQ(proposed, "3");  // priorities 0, 1 and the user's 2
  EXPECT_EQ(intoUser, 0);
  EXPECT_EQ(List(3)->currentText(), "C25/30");
}

TEST_F(EditorTest, DeletingAUserObjectAsksThenRebuildsTheObjectList)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  m_prompts.answers = {CEditorPrompts::Answer::No};
  m_dialog->OnDeleteObject();
  EXPECT_EQ(m_prompts.asked.back(), "Sind Sie sicher, dass sie das Objekt 'Eigen' löschen wollen?");
  EXPECT_EQ(List(3)->currentText(), "Eigen");

  m_prompts.answers = {CEditorPrompts::Answer::Yes};
  m_dialog->OnDeleteObject();
  EXPECT_EQ(List(3)->findText("Eigen"), -1);
  EXPECT_EQ(List(3)->currentIndex(), 0);
  EXPECT_EQ(m_dialog->Selection(CTavoEditDlg::kObjekt), List(3)->currentIndex());
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
    m_dialog->show();
    QLineEdit* priority = Control<QLineEdit>("edtPriority");
    priority->setFocus();
    priority->selectAll();
    QTest::keyClicks(priority, "7");
    m_prompts.answers = {CEditorPrompts::Answer::Cancel};  // the dialog stays open to be looked at
    close(*m_dialog);
    EXPECT_EQ(m_prompts.asked, std::vector<std::string>{kStandardChanged});
    EXPECT_EQ(DocumentPriority(m_handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"), "7");
  }
}
