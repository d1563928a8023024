// The editor's start: the switches read, then the object selected level by level.

#include "EditorTestSupport.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/TavoCmdLineInfo.h"

#include <sstream>

// Keys ignore case, values stand as given, the later key wins, switches take a prefix of / or -,
// anything else is ignored.
TEST(CommandLine, InterpretsKeysAndSwitches)
{
  const struct {
    std::vector<std::string> arguments;
    const char* values;  // kat|ukat|norm|objekt, then the switches that are on
  } rows[] = {
      {{}, "|||"},
      {{"KAT=Beton", "ukat= Normal beton ", "Norm=EC2 NA (DE)", "objekt=a=b", "kat=Stahl", "norm="},
       "Stahl| Normal beton ||a=b"},
      {{"/qormode", "trestle64"}, "||| qormode trestle64"},
      {{"-QORMODE", "/Trestle64"}, "||| qormode trestle64"},
      {{"qor", "trestle64=1", "farbe=rot", "Beton", "-kat", "=x", "/objekt=B500A"}, "|||B500A"},
  };
  for (const auto& row : rows) {
    CTavoCmdLineInfo info;
    for (const std::string& argument : row.arguments)
      info.ParseParam(argument);
    EXPECT_EQ(info.Arguments(), row.arguments);
    const StartValues v = info.Interpret();
    EXPECT_EQ(v.kat + "|" + v.ukat + "|" + v.norm + "|" + v.objekt + (v.qorMode ? " qormode" : "") +
                  (v.trestle64 ? " trestle64" : ""),
              row.values)
        << (row.arguments.empty() ? "(none)" : row.arguments[0]);
  }
}

TEST_F(EditorTest, StartSwitchesSelectLevelByLevelAndLockTheListsTheyName)
{
  const struct {
    const char* arguments;           // the command line
    const char *kategorie, *objekt;  // the lines selected
    int objects;                     // lines of the object list
    const char* enabled;             // the four lists, 1 enabled, 0 locked
    const char *row, *value;         // a value the grid shows
    const char* priority;            // the priority field's text, or "disabled"
  } rows[] = {
      {"", "Beton", "C20/25", 3, "1111", "fcm", "28", "disabled"},
      {"kat=Stahl", "Stahl", "S235", 1, "0111", "fy", "235", "disabled"},
      // A Kategorie that matches nothing takes line 0 and still locks the list.
      {"kat=Holz", "Beton", "C20/25", 3, "0111", "fcm", "28", "disabled"},
      {"objekt=Eigen", "Beton", "Eigen", 3, "1111", "fck2", "50", "disabled"},
      {"kat=Beton ukat=Normalbeton norm=EC2 objekt=C30/37 qormode", "Beton", "C30/37", 3, "0001", "fcd", "20", "1"},
  };
  for (const auto& row : rows) {
    CTavoCmdLineInfo info;
    std::istringstream arguments(row.arguments);
    for (std::string argument; arguments >> argument;)
      info.ParseParam(argument);
    const StartValues start = info.Interpret();
    SCOPED_TRACE(row.arguments);
    Open(start);
    EXPECT_EQ(List(0)->currentText(), row.kategorie);
    EXPECT_EQ(List(3)->currentText(), row.objekt);
    EXPECT_EQ(List(3)->count(), row.objects);
    std::string enabled;
    for (int level = 0; level < 4; ++level)
      enabled += List(level)->isEnabled() ? '1' : '0';
    EXPECT_EQ(enabled, row.enabled);
    EXPECT_EQ(Cell(row.row, CTavoGrid::kColWert), row.value);
    EXPECT_EQ(Control<QPushButton>("btnProtocol")->isHidden(), !start.qorMode);
    const QLineEdit* priority = Control<QLineEdit>("edtPriority");
    EXPECT_EQ(priority->isEnabled() ? priority->text().toStdString() : "disabled", row.priority);
    EXPECT_TRUE(m_prompts.asked.empty());
  }
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
