// The editor driven by the keyboard as a user drives it.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>

namespace {

const std::string kUserPath = "Beton/Normalbeton/EC2/Eigen";

}  // namespace

TEST_F(EditorTest, TypingAValueAndEnterRecomputesTheFormulaRows)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  dialog->show();
  QApplication::setActiveWindow(dialog.get());
  CTavoGrid* grid = dialog->Grid();
  grid->SelectCell(Row("fck"), CTavoGrid::kColWert);
  ASSERT_EQ(QApplication::focusWidget(), grid);

  QTest::keyClicks(grid, "4");  // the first character opens the editor and replaces the text
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, grid);
  QTest::keyClicks(editor, "0");
  QTest::keyClick(editor, Qt::Key_Return);

  EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), "40");
  EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), "80");
  dialog->OnSaveChanges();
  EXPECT_EQ(DocumentValue(handler->UserFile(), kUserPath, "fck2"), "80");
}

TEST_F(EditorTest, EnterDoesNothingAndEscapeClosesLikeSchliessen)
{
  Open();
  dialog->show();
  QApplication::setActiveWindow(dialog.get());
  Control<QPushButton>("btnSaveChanges")->setFocus();
  QTest::keyClick(dialog.get(), Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_NE(handler->StandardFile(), 0u);

  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(handler->StandardFile(), 0u);
  EXPECT_EQ(handler->UserFile(), 0u);
}

TEST_F(EditorTest, ProtocolGoesToTheChosenFile)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  prompts.saveFile = db->Folder().Path("material.txt");
  Control<QPushButton>("btnProtocol")->click();
  const std::string protocol = ReadFile(*prompts.saveFile);
  EXPECT_EQ(protocol.rfind("\nKategorie: Beton\n", 0), 0u) << protocol;
  EXPECT_NE(protocol.find("\t\t\tObjekt: Eigen\n"), std::string::npos);
  EXPECT_TRUE(prompts.asked.empty());

  prompts.saveFile = db->Folder().Write("plain", "x") + "/material.txt";
  dialog->OnProtocol();
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_NE(prompts.asked[0].find(*prompts.saveFile), std::string::npos) << prompts.asked[0];
}
