// Editing values in the grid, who may edit what, the marks of failed formulas, storing, saving,
// the closing questions, and files that fail to save or to open.

#include "EditorTestSupport.h"

#include "tavo/grid/GridCellCheck.h"
#include "tavo/outside/VBT.h"
#include "tests/support/WriteFault.h"

namespace {

const std::string kUserPath = "Beton/Normalbeton/EC2/Eigen";

bool ReadOnly(CTavoGrid* grid, int row, int col)
{
  if (const auto* check = dynamic_cast<const CGridCellCheck*>(grid->GetCell(row, col)))
    return check->IsDisabled();
  return grid->GetCell(row, col)->IsReadOnly();
}

}  // namespace

TEST_F(EditorTest, EditIsStoredAtTheNextCommitAndClosingAsksForTheUserFileWhereCancelStaysOpen)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  // A decimal comma reads as it is stored: the grid and the document both hold 2.5 and 5.
  Edit("fck", CTavoGrid::kColWert, "2,5");
  EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), "5");
  Choose(3, "C20/25");
  EXPECT_EQ(DocumentValue(m_handler->UserFile(), kUserPath, "fck"), "2.5");
  EXPECT_EQ(DocumentValue(m_handler->UserFile(), kUserPath, "fck2"), "5");
  EXPECT_EQ(DocumentValue(m_handler->UserFile(), kUserPath, "alt", "Wert02"), "x");

  m_prompts.answers = {CEditorPrompts::Answer::Cancel};
  m_dialog->OnCancel();
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find("Benutzer - Materialdatei"), std::string::npos);
  EXPECT_EQ(m_prompts.details,
            (std::vector<std::vector<std::string>>{{"Ihre Änderungen", "  Beton/Normalbeton/EC2/Eigen",
                                                    "    fck Wert01\t25\t2.5", "    fck2 Wert01\t50\t5"}}));
  EXPECT_NE(m_handler->UserFile(), 0u);  // still open
  EXPECT_EQ(List(3)->currentText(), "C20/25");

  m_prompts.answers = {CEditorPrompts::Answer::Yes};
  m_dialog->OnCancel();
  EXPECT_EQ(m_handler->UserFile(), 0u);
  EXPECT_NE(ReadFile(m_db->UserPath()).find("Wert01=\"2.5\""), std::string::npos);
}

TEST_F(EditorTest, RightsFollowModeAndFileAndTheNormalModeLeavesTheStandardFileAlone)
{
  // Normal mode, object of the standard file: nothing editable, not even the check box.
  Open();
  CTavoGrid* grid = m_dialog->Grid();
  for (int col : {0, 1, 2, 3, 4, 14})
    EXPECT_TRUE(ReadOnly(grid, Row("fck"), col)) << col;
  EXPECT_FALSE(Control<QPushButton>("btnDeleteObject")->isEnabled());
  EXPECT_TRUE(Control<QPushButton>("btnCopyObject")->isEnabled());
  Choose(3, "C30/37");  // recalculation changes the code-level values in the standard document
  Control<QPushButton>("btnSaveChanges")->click();
  EXPECT_EQ(ReadFile(m_db->StandardPath()), StandardFixture());

  // Normal mode, object of the user file: check box, formula of ticked rows, values.
  Choose(3, "Eigen");
  EXPECT_TRUE(ReadOnly(grid, Row("fck"), CTavoGrid::kColKurzname));
  EXPECT_FALSE(ReadOnly(grid, Row("fck"), CTavoGrid::kColTyp));
  EXPECT_FALSE(ReadOnly(grid, Row("fck"), CTavoGrid::kColWert));
  EXPECT_TRUE(ReadOnly(grid, Row("fck"), CTavoGrid::kColFormel));
  EXPECT_FALSE(ReadOnly(grid, Row("fck2"), CTavoGrid::kColFormel));
  EXPECT_TRUE(ReadOnly(grid, Row("fck2"), CTavoGrid::kColWert));
  EXPECT_FALSE(ReadOnly(grid, Row("alt"), CTavoGrid::kColWert + 1));
  EXPECT_TRUE(ReadOnly(grid, Row("alt"), CTavoGrid::kColEinheit));
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());
  EXPECT_TRUE(grid->IsColumnVisible(CTavoGrid::kColWert + 1));   // Wert2 has a text
  EXPECT_FALSE(grid->IsColumnVisible(CTavoGrid::kColWert + 2));  // Wert3 has none
  EXPECT_FALSE(grid->IsColumnVisible(CTavoGrid::kColKnoten));

  // Clearing the tick makes the value editable and drops the formula when stored.
  const int row = Row("fck2");
  grid->SetCheck(row, CTavoGrid::kColTyp, false);
  grid->OnCheckChanged(row, CTavoGrid::kColTyp);
  EXPECT_FALSE(ReadOnly(grid, row, CTavoGrid::kColWert));
  EXPECT_TRUE(ReadOnly(grid, row, CTavoGrid::kColFormel));
  m_dialog->OnSaveChanges();
  const std::string saved = ReadFile(m_db->UserPath());
  EXPECT_EQ(saved.find("Formel"), std::string::npos) << saved;
  EXPECT_NE(saved.find(R"(Kurzname="fck2" Name="Doppelt" Wert01="50")"), std::string::npos) << saved;

  m_dialog->OnCancel();  // the standard file's question stands, answered No
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find("QOR - Materialdatei"), std::string::npos);
  EXPECT_EQ(ReadFile(m_db->StandardPath()), StandardFixture());

  // QOR mode: everything editable, Knoten shown, an edited formula computed at once and stored.
  StartValues qor;
  qor.qorMode = true;
  Open(qor);
  grid = m_dialog->Grid();
  EXPECT_TRUE(grid->IsColumnVisible(CTavoGrid::kColKnoten));
  EXPECT_EQ(Cell("fcm", CTavoGrid::kColKnoten), "EC2");
  EXPECT_EQ(Cell("fck", CTavoGrid::kColKnoten), "C20/25");
  for (int col : {0, 1, 2, 14})
    EXPECT_FALSE(ReadOnly(grid, Row("fck"), col)) << col;
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());
  Edit("fcd", CTavoGrid::kColFormel, "fck/1.5 + fcm");
  EXPECT_EQ(Cell("fcd", CTavoGrid::kColWert), "41.3333");
  m_dialog->OnSaveChanges();
  EXPECT_NE(ReadFile(m_db->StandardPath()).find(R"(Formel="fck/1.5 + fcm" Wert01="41.3333")"), std::string::npos);
}

TEST_F(EditorTest, FailedSaveOrOpenIsReportedAndTheFileKeptAsItWas)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  const std::string original = ReadFile(m_db->UserPath());
  Edit("fck", CTavoGrid::kColWert, "33");

  {
    // While this lives, no file of the process may grow beyond 64 bytes, which binds root too.
    FileSizeLimit limit(64);
    m_dialog->OnSaveChanges();
    ASSERT_EQ(m_prompts.asked.size(), 1u);
    EXPECT_NE(m_prompts.asked[0].find(m_db->UserPath()), std::string::npos) << m_prompts.asked[0];

    m_prompts.answers = {CEditorPrompts::Answer::Yes};
    m_dialog->OnCancel();
  }
  ASSERT_EQ(m_prompts.asked.size(), 3u);  // the failure, the question, the failure again
  EXPECT_NE(m_prompts.asked[1].find("Benutzer - Materialdatei"), std::string::npos);
  EXPECT_NE(m_handler->UserFile(), 0u);  // the dialog stays open with the edit
  EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), "33");
  EXPECT_EQ(ReadFile(m_db->UserPath()), original);

  m_prompts.answers = {CEditorPrompts::Answer::Yes};
  m_dialog->OnCancel();
  EXPECT_EQ(m_handler->UserFile(), 0u);
  EXPECT_NE(ReadFile(m_db->UserPath()).find(R"(Wert01="33")"), std::string::npos);

  // A file that fails to open is reported with its reason, and closing writes nothing into it.
  Open({}, StandardFixture(), "<Materialdatei>\n<Kategorie>\n");
  m_dialog->ReportOpenErrors();
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find(m_db->UserPath() + ":"), std::string::npos) << m_prompts.asked[0];
  m_dialog->OnCancel();
  EXPECT_EQ(ReadFile(m_db->UserPath()), "<Materialdatei>\n<Kategorie>\n");
}

// A formula row whose evaluation failed is marked in the grid with the evaluator's message, in the
// editor's language; the messages themselves are the formula library's.
TEST_F(EditorTest, FailedFormulasAreMarkedWithTheEvaluatorsMessage)
{
  // (the value of "alt", the formula typed into "fck2" with fck 25, what the grid shows as the
  // formula language gives it, the mark's tooltip or "")
  const struct {
    const char *alt, *formula, *value, *mark;
  } cases[] = {
      {"7", "2*fck", "50", ""},
      {"7", "zz+1", "1", "'zz' nicht definiert"},
      {"abc", "alt*2", "0", "Wert von 'alt' ist keine Zahl: 'abc'"},
  };
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  CTavoGrid* grid = m_dialog->Grid();
  for (const auto& c : cases) {
    Edit("alt", CTavoGrid::kColWert, c.alt);
    Edit("fck2", CTavoGrid::kColFormel, c.formula);
    EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), c.value) << c.formula;
    EXPECT_EQ(grid->GetCellMark(Row("fck2"), CTavoGrid::kColWert), c.mark) << c.formula;
    EXPECT_EQ(grid->GetItemBkColour(Row("fck2"), CTavoGrid::kColWert),
              *c.mark ? CTavoGrid::kMarkedColour : CTavoGrid::kReadOnlyColour)
        << c.formula;

    // Stored and shown again: the mark comes with the object, and nothing but the edit is written.
    Choose(3, "C20/25");
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), kUserPath, "fck2", "Formel"), c.formula);
    Choose(3, "Eigen");
    EXPECT_EQ(grid->GetCellMark(Row("fck2"), CTavoGrid::kColWert), c.mark) << c.formula;
  }
  VBT_SetLanguage("en");
  Edit("fck2", CTavoGrid::kColFormel, "zz+1");
  EXPECT_EQ(grid->GetCellMark(Row("fck2"), CTavoGrid::kColWert), "'zz' not defined");
}
