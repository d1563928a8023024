// The editor's start: the start values select the object level by level.

#include "EditorTestSupport.h"

#include "tavo/outside/VBT.h"

TEST_F(EditorTest, StartWithoutValuesShowsTheFirstObject)
{
  Open();
  EXPECT_EQ(List(0)->currentText(), "Beton");
  EXPECT_EQ(List(3)->currentText(), "C20/25");
  EXPECT_EQ(List(3)->count(), 3);  // C20/25, C30/37 and the user's Eigen
  for (int level = 0; level < 4; ++level)
    EXPECT_TRUE(List(level)->isEnabled()) << level;
  EXPECT_EQ(Cell("fcm", CTavoGrid::kColWert), "28");
  EXPECT_TRUE(Control<QPushButton>("btnProtocol")->isHidden());
  EXPECT_FALSE(Control<QLineEdit>("edtPriority")->isEnabled());
  EXPECT_TRUE(m_prompts.asked.empty());
}

TEST_F(EditorTest, StartKategorieThatMatchesSelectsAndDisablesItsList)
{
  StartValues start;
  start.kat = "Stahl";
  Open(start);
  EXPECT_EQ(List(0)->currentText(), "Stahl");
  EXPECT_FALSE(List(0)->isEnabled());
  EXPECT_TRUE(List(1)->isEnabled());
  EXPECT_EQ(List(3)->currentText(), "S235");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
}

TEST_F(EditorTest, StartKategorieThatMatchesNothingTakesLineZeroAndStillDisables)
{
  StartValues start;
  start.kat = "Holz";
  Open(start);
  EXPECT_EQ(List(0)->currentIndex(), 0);
  EXPECT_FALSE(List(0)->isEnabled());
}

TEST_F(EditorTest, StartWithObjektOnlyKeepsTheUpperListsEnabled)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  EXPECT_EQ(List(3)->currentText(), "Eigen");
  for (int level = 0; level < 4; ++level)
    EXPECT_TRUE(List(level)->isEnabled()) << level;
  EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), "50");
}

TEST_F(EditorTest, StartWithTheWholePathInQorMode)
{
  StartValues start{"Beton", "Normalbeton", "EC2", "C30/37", true, false};
  Open(start);
  EXPECT_EQ(List(3)->currentText(), "C30/37");
  EXPECT_FALSE(List(2)->isEnabled());
  EXPECT_TRUE(List(3)->isEnabled());
  EXPECT_FALSE(Control<QPushButton>("btnProtocol")->isHidden());
  EXPECT_TRUE(Control<QLineEdit>("edtPriority")->isEnabled());
  EXPECT_EQ(Control<QLineEdit>("edtPriority")->text(), "1");
  EXPECT_EQ(Cell("fcd", CTavoGrid::kColWert), "20");
}

TEST_F(EditorTest, FileThatFailsToOpenIsReportedWithItsReason)
{
  Open({}, StandardFixture(), "<Materialdatei>\n<Kategorie>\n");
  m_dialog->ReportOpenErrors();
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find(m_db->UserPath() + ":"), std::string::npos) << m_prompts.asked[0];
  // Closing writes nothing into the file that failed.
  m_dialog->OnCancel();
  EXPECT_EQ(ReadFile(m_db->UserPath()), "<Materialdatei>\n<Kategorie>\n");
}

TEST_F(EditorTest, EnglishEditorHidesTheHelpButtonAndKeepsTheDocumentsGerman)
{
  VBT_SetLanguage("en");
  StartValues start;
  start.qorMode = true;
  Open(start);
  VBT_SetLanguage("de");
  EXPECT_EQ(Control<QPushButton>("btnCopyObject")->text(), "Create copy");
  EXPECT_TRUE(Control<QPushButton>("btnHelp")->isHidden());
  EXPECT_EQ(List(0)->currentText(), "Concrete");
  EXPECT_EQ(List(3)->currentText(), "C20/25");

  // A long name shown in translation is not written back translated; one the user changed is.
  EXPECT_EQ(Cell("fck", CTavoGrid::kColName), "Characteristic cylinder compressive strength");
  m_dialog->OnSaveChanges();
  EXPECT_EQ(ReadFile(m_db->StandardPath()), StandardFixture());
  Edit("fck", CTavoGrid::kColName, "Druckfestigkeit");
  m_dialog->OnSaveChanges();
  EXPECT_NE(ReadFile(m_db->StandardPath()).find(R"(Kurzname="fck" Name="Druckfestigkeit")"), std::string::npos);
}
