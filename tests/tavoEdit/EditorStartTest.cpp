// The editor's start: the start values select the object level by level.

#include "EditorTestSupport.h"

#include "tavo/outside/VBT.h"

#include <array>

TEST_F(EditorTest, StartValuesSelectLevelByLevelAndLockTheListsTheyName)
{
  const struct {
    std::vector<std::string> names;  // the start values kat, ukat, norm, objekt
    bool qorMode;
    const char *kategorie, *objekt;  // the lines selected
    int objects;                     // lines of the object list
    std::array<bool, 4> enabled;     // the four lists
    const char *row, *value;         // a value the grid shows
    const char* priority;            // the priority field's text; nullptr when it is disabled
  } rows[] = {
      {{}, false, "Beton", "C20/25", 3, {true, true, true, true}, "fcm", "28", nullptr},
      {{"Stahl"}, false, "Stahl", "S235", 1, {false, true, true, true}, "fy", "235", nullptr},
      // A Kategorie that matches nothing takes line 0 and still locks the list.
      {{"Holz"}, false, "Beton", "C20/25", 3, {false, true, true, true}, "fcm", "28", nullptr},
      {{"", "", "", "Eigen"}, false, "Beton", "Eigen", 3, {true, true, true, true}, "fck2", "50", nullptr},
      {{"Beton", "Normalbeton", "EC2", "C30/37"},
       true,
       "Beton",
       "C30/37",
       3,
       {false, false, false, true},
       "fcd",
       "20",
       "1"},
  };
  for (const auto& row : rows) {
    StartValues start;
    std::string* fields[] = {&start.kat, &start.ukat, &start.norm, &start.objekt};
    for (std::size_t i = 0; i < row.names.size(); ++i)
      *fields[i] = row.names[i];
    start.qorMode = row.qorMode;
    SCOPED_TRACE(start.kat + "/" + start.objekt);
    Open(start);
    EXPECT_EQ(List(0)->currentText(), row.kategorie);
    EXPECT_EQ(List(3)->currentText(), row.objekt);
    EXPECT_EQ(List(3)->count(), row.objects);
    for (int level = 0; level < 4; ++level)
      EXPECT_EQ(List(level)->isEnabled(), row.enabled[std::size_t(level)]) << level;
    EXPECT_EQ(Cell(row.row, CTavoGrid::kColWert), row.value);
    EXPECT_EQ(Control<QPushButton>("btnProtocol")->isHidden(), !row.qorMode);
    EXPECT_EQ(Control<QLineEdit>("edtPriority")->isEnabled(), row.priority != nullptr);
    if (row.priority) {
      EXPECT_EQ(Control<QLineEdit>("edtPriority")->text(), row.priority);
    }
    EXPECT_TRUE(m_prompts.asked.empty());
  }
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
