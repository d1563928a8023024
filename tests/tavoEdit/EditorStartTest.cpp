// The editor's start: the start switches, and the start values selecting the object level by
// level.

#include "EditorTestSupport.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/TavoCmdLineInfo.h"

// Keys ignore case, values stand as given, the later key wins, switches take a prefix of / or -,
// anything else is ignored.
TEST(CommandLine, InterpretsKeysAndSwitches)
{
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> names;  // kat, ukat, norm, objekt
    bool qorMode, trestle64;
  } rows[] = {
      {{}, {"", "", "", ""}, false, false},
      {{"KAT=Beton", "ukat= Normal beton ", "Norm=EC2 NA (DE)", "objekt=a=b", "kat=Stahl", "norm="},
       {"Stahl", " Normal beton ", "", "a=b"},
       false,
       false},
      {{"/qormode", "trestle64"}, {"", "", "", ""}, true, true},
      {{"-QORMODE", "/Trestle64"}, {"", "", "", ""}, true, true},
      {{"qor", "trestle64=1", "farbe=rot", "Beton", "-kat", "=x", "/objekt=B500A"},
       {"", "", "", "B500A"},
       false,
       false},
  };
  for (const auto& row : rows) {
    CTavoCmdLineInfo info;
    for (const std::string& argument : row.arguments)
      info.ParseParam(argument);
    EXPECT_EQ(info.Arguments(), row.arguments);
    const StartValues values = info.Interpret();
    const std::string what = row.arguments.empty() ? "(none)" : row.arguments[0];
    EXPECT_EQ(std::vector<std::string>({values.kat, values.ukat, values.norm, values.objekt}), row.names) << what;
    EXPECT_EQ(values.qorMode, row.qorMode) << what;
    EXPECT_EQ(values.trestle64, row.trestle64) << what;
  }
}

TEST_F(EditorTest, StartValuesSelectLevelByLevelAndLockTheListsTheyName)
{
  const struct {
    std::vector<std::string> names;  // the start values kat, ukat, norm, objekt
    bool qorMode;
    const char *kategorie, *objekt;  // the lines selected
    int objects;                     // lines of the object list
    const char* enabled;             // the four lists, 1 enabled, 0 locked
    const char *row, *value;         // a value the grid shows
    const char* priority;            // the priority field's text, or "disabled"
  } rows[] = {
      {{}, false, "Beton", "C20/25", 3, "1111", "fcm", "28", "disabled"},
      {{"Stahl"}, false, "Stahl", "S235", 1, "0111", "fy", "235", "disabled"},
      // A Kategorie that matches nothing takes line 0 and still locks the list.
      {{"Holz"}, false, "Beton", "C20/25", 3, "0111", "fcm", "28", "disabled"},
      {{"", "", "", "Eigen"}, false, "Beton", "Eigen", 3, "1111", "fck2", "50", "disabled"},
      {{"Beton", "Normalbeton", "EC2", "C30/37"}, true, "Beton", "C30/37", 3, "0001", "fcd", "20", "1"},
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
    std::string enabled;
    for (int level = 0; level < 4; ++level)
      enabled += List(level)->isEnabled() ? '1' : '0';
    EXPECT_EQ(enabled, row.enabled);
    EXPECT_EQ(Cell(row.row, CTavoGrid::kColWert), row.value);
    EXPECT_EQ(Control<QPushButton>("btnProtocol")->isHidden(), !row.qorMode);
    const QLineEdit* priority = Control<QLineEdit>("edtPriority");
    EXPECT_EQ(priority->isEnabled() ? priority->text().toStdString() : "disabled", row.priority);
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
