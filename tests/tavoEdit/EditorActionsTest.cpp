// Copy, delete, priority, the protocol, and the keys that close the editor.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>

TEST_F(EditorTest, CopyAsksAgainForATakenNameAndProposesAPriorityOnlyInQorMode)
{
  StartValues start;
  start.kat = "Stahl";
  Open(start, StandardFixture(), "");
  std::string proposed;  // what the copy dialog offers
  int intoUser = -1;
  const auto copyAs = [&](const char* name) {
    return [&, name](CCopyDlg& dialog) {
      proposed = dialog.priorityText;
      intoUser = dialog.intoUserFile;
      dialog.newName = name;
      return true;
    };
  };
  m_prompts.copyRuns = {copyAs("S235"), copyAs("S235 eigen")};
  Control<QPushButton>("btnCopyObject")->click();
  EXPECT_EQ(proposed, "");  // the normal mode proposes nothing: the copy gets no priority
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_EQ(m_prompts.asked[0], "Der angegebene Name existiert schon!");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());

  start = {};
  start.qorMode = true;
  Open(start);
  m_prompts.copyRuns = {[](CCopyDlg&) { return false; }};  // cancelled: nothing happens
  m_dialog->OnCopyObject();
  EXPECT_EQ(List(3)->count(), 3);
  EXPECT_EQ(List(3)->currentText(), "C20/25");
  EXPECT_TRUE(m_prompts.asked.empty());

  m_prompts.copyRuns = {copyAs("C25/30")};
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
    EXPECT_EQ(m_prompts.asked, std::vector<std::string>{"Die QOR - Materialdatei wurde verändert,\nSollen die "
                                                        "Änderungen gespeichert werden?"});
    EXPECT_EQ(DocumentPriority(m_handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"), "7");
  }
}

TEST_F(EditorTest, EnterDoesNothingAndEscapeClosesLikeSchliessen)
{
  Open();
  m_dialog->show();
  QApplication::setActiveWindow(m_dialog.get());
  Control<QPushButton>("btnSaveChanges")->setFocus();
  QTest::keyClick(m_dialog.get(), Qt::Key_Return);
  EXPECT_TRUE(m_dialog->isVisible());
  EXPECT_NE(m_handler->StandardFile(), 0u);

  QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(m_dialog->isVisible());
  EXPECT_EQ(m_handler->StandardFile(), 0u);
  EXPECT_EQ(m_handler->UserFile(), 0u);
}

TEST_F(EditorTest, ProtocolGoesToTheChosenFile)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  m_prompts.saveFile = m_db->Folder().Path("material.txt");
  Control<QPushButton>("btnProtocol")->click();
  const std::string protocol = ReadFile(*m_prompts.saveFile);
  EXPECT_EQ(protocol.rfind("\nKategorie: Beton\n", 0), 0u) << protocol;
  EXPECT_TRUE(m_prompts.asked.empty());

  m_prompts.saveFile = m_db->Folder().Write("plain", "x") + "/material.txt";
  m_dialog->OnProtocol();
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find(*m_prompts.saveFile), std::string::npos) << m_prompts.asked[0];
}
