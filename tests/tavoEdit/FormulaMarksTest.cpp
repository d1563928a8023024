// A formula row whose evaluation failed, named an unknown variable or used a value that is not a
// number is marked in the grid, with the evaluator's message as its tooltip; the values stay what
// the formula language gives; the mark speaks the editor's language.

#include "EditorTestSupport.h"

#include "tavo/outside/VBT.h"

namespace {

const std::string kUserPath = "Beton/Normalbeton/EC2/Eigen";

}  // namespace

TEST_F(EditorTest, FailedFormulasAreMarkedWithTheEvaluatorsMessage)
{
  struct Case {
    const char* alt;      // the value of the row "alt"
    const char* formula;  // typed into the row "fck2" (fck is 25)
    const char* value;    // what the grid shows, as the formula language gives it
    const char* mark;     // the tooltip; "" for no mark
  };
  const Case cases[] = {
      {"7", "2*fck", "50", ""},
      {"7", "fck/(", "0", "Unerwartetes Symbol: <end of expression>"},
      {"7", "0.85*fck/(alt-7)", "0.85", "Division durch Null."},
      {"7", "zz+1", "1", "'zz' nicht definiert"},
      {"abc", "alt*2", "0", "Wert von 'alt' ist keine Zahl: 'abc'"},
  };
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  CTavoGrid* grid = m_dialog->Grid();
  for (const Case& c : cases) {
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
  VBT_SetLanguage("de");
}
