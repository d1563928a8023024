// Copy, delete, priority, the protocol, and the keys that close the editor.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>

#include <functional>

TEST_F(EditorTest, CopyAsksAgainForATakenNameAndDeleteAsksThenRebuildsTheObjectList)
{
  StartValues start;
  start.kat = "Stahl";
  Open(start, StandardFixture(), "");
  m_prompts.copyNames = {"S235", "S235 eigen"};
  Control<QPushButton>("btnCopyObject")->click();
  // The normal mode proposes no priority and the user file.
  EXPECT_EQ(m_prompts.copyOffers, (std::vector<std::string>{"|1", "|1"}));
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_EQ(m_prompts.asked[0], "Der angegebene Name existiert schon!");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());

  m_prompts.answers = {CEditorPrompts::Answer::No};
  m_dialog->OnDeleteObject();
  EXPECT_EQ(m_prompts.asked.back(), "Sind Sie sicher, dass sie das Objekt 'S235 eigen' löschen wollen?");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  m_prompts.answers = {CEditorPrompts::Answer::Yes};
  m_dialog->OnDeleteObject();
  EXPECT_EQ(List(3)->findText("S235 eigen"), -1);
  EXPECT_EQ(List(3)->currentIndex(), 0);
  EXPECT_EQ(m_dialog->Selection(CTavoEditDlg::kObjekt), List(3)->currentIndex());
}

TEST_F(EditorTest, QorModeCopyProposesAPriorityAndTheProtocolGoesToTheChosenFile)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  m_dialog->OnCopyObject();  // cancelled: nothing happens
  EXPECT_EQ(List(3)->count(), 3);
  EXPECT_EQ(List(3)->currentText(), "C20/25");
  EXPECT_TRUE(m_prompts.asked.empty());
  m_prompts.copyNames = {"C25/30"};
  m_dialog->OnCopyObject();
  EXPECT_EQ(m_prompts.copyOffers.back(), "3|0");  // priorities 0, 1 and the user's 2; the standard file
  EXPECT_EQ(List(3)->currentText(), "C25/30");

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

TEST_F(EditorTest, ClosingByKeyOrButtonStoresTheTypedPriorityBeforeAskingAndEnterClosesNothing)
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

  // Enter reaches no default button; Escape closes as "Schließen" does, and with it the files.
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
