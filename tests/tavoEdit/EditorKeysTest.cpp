// The editor driven by the keyboard as a user drives it.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>

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
  EXPECT_NE(protocol.find("\t\t\tObjekt: Eigen\n"), std::string::npos);
  EXPECT_TRUE(m_prompts.asked.empty());

  m_prompts.saveFile = m_db->Folder().Write("plain", "x") + "/material.txt";
  m_dialog->OnProtocol();
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find(*m_prompts.saveFile), std::string::npos) << m_prompts.asked[0];
}
