// Looking at the database without changing it: the find index, the object view with its
// provenance, paths, the formula inspection, the compare matrix and the export.

#include "tests/support/TestDatabase.h"

#include "tavo/material/CompareMatrix.h"
#include "tavo/material/FindIndex.h"
#include "tavo/material/FormulaInspection.h"
#include "tavo/material/ObjectExport.h"
#include "tavo/material/PathObjects.h"
#include "tavo/material/SearchText.h"
#include "tavo/material/TableText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// fcd is stale in C30/37 (stored 99); gamma_c stands at the code and again at C30/37.
const std::string kStandard = MaterialFile(R"(
  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert" Wert01="1.5"/>
    <Eigenschaft Kurzname="fcd" Name="Bemessungswert" Formel="fck/gamma_c" Wert01="99" Einheit="N/mm²"/>
    <Objekt Name="C30/37" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="30" Einheit="N/mm²"/>
      <Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert" Wert01="1.2"/>
      <Eigenschaft Kurzname="rho" Name="Rohdichte, trocken" Wert01="2400" Wert02="2,5 &quot;t&quot;"/>
    </Objekt>
    <Objekt Name="C20/25" Prioritaet="1">
      <Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="20" Einheit="N/mm²"/>
    </Objekt>
  </Norm></Unterkategorie></Kategorie>
  <Kategorie Name="Holz" Prioritaet="1"><Unterkategorie Name="Nadelholz" Prioritaet="0"><Norm Name="EC5" Prioritaet="0">
    <Objekt Name="C24" Prioritaet="0"><Eigenschaft Kurzname="groesse" Name="Größe" Wert01="4"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");
const std::string kUser = MaterialFile(R"(<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
  <Objekt Name="Eigen" Prioritaet="2"><Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="25"/></Objekt>
</Norm></Unterkategorie></Kategorie>)");

CMaterialPath Path(const std::string& text)
{
  return *CMaterialPath::Parse(text);
}

class LookingTest : public ::testing::Test {
 protected:
  LookingTest() : m_db(kStandard, kUser), m_handler(m_db.Open()) {}
  TestDatabase m_db;
  std::unique_ptr<CTavoHandler> m_handler;
};

}  // namespace

TEST_F(LookingTest, FindHitsEveryKindOfNameInListOrder)
{
  CFindIndex index;
  index.Build(*m_handler, [](const std::string& text) { return text == "Holz" ? std::string("Timber") : text; });
  struct Row {
    const char* query;
    std::size_t total;
    std::vector<std::string> first;  // path and what of the first hits
  } const rows[] = {
      {"BETON", 2, {"Beton 0", "Beton/Normalbeton 0"}},
      {"grosse", 1, {"Holz/Nadelholz/EC5/C24 2"}},   // the long name "Größe"
      {"GROESSE", 1, {"Holz/Nadelholz/EC5/C24 1"}},  // the short name
      {"timber", 1, {"Holz 0"}},                     // the translation of a level's name
      {"c30/", 1, {"Beton/Normalbeton/EC2/C30/37 0"}},
      {"teilsicher", 2, {"Beton/Normalbeton/EC2 2", "Beton/Normalbeton/EC2/C30/37 2"}},
      {"zzz", 0, {}},
      {"", 0, {}},
  };
  for (const Row& row : rows) {
    const FindResult result = index.Find(row.query, 3);
    std::vector<std::string> first;
    for (const FindHit& hit : result.hits)
      first.push_back(hit.path.Text() + " " + std::to_string(hit.what));
    EXPECT_EQ(first, row.first) << row.query;
    EXPECT_EQ(result.total, row.total) << row.query;
  }
}

TEST_F(LookingTest, LookingChangesNoDocumentAndCompareMarksDifferingAndPartialRows)
{
  const CFingerPrint standard = QODOM_GetFingerPrint(m_handler->StandardFile());
  CFindIndex index;
  index.Build(*m_handler);
  index.Find("fcd", 10);
  const std::vector<ObjectView> views{ViewObject(*m_handler, Path("Beton/Normalbeton/EC2/C30/37")),
                                      ViewObject(*m_handler, Path("Beton/Normalbeton/EC2/C20/25"))};
  const ObjectView eigen = ViewObject(*m_handler, Path("Beton/Normalbeton/EC2/Eigen"));
  ExportCsv(views);
  ExportJson(views);
  const CompareMatrix matrix = BuildCompareMatrix(views);
  CompareJson(matrix);
  EXPECT_EQ(QODOM_GetFingerPrint(m_handler->StandardFile()), standard);

  // The view shows what a lookup would write back (fcd = 30/1.2, gamma_c of the code level wins:
  // 30/1.5), without writing it.
  const ObjectView& c30 = views[0];
  std::vector<std::string> rows;
  for (const ViewedRow& row : c30.rows)
    rows.push_back(row.kurzname + " " + row.wert[0] + " " + LevelName(row.origin.level) + " " +
                   FileName(row.origin.inUserFile) +
                   (row.levels.size() > 1 ? " dup:" + std::string(LevelName(row.winningLevel)) : "") +
                   (row.wins ? "" : " overridden"));
  EXPECT_EQ(rows, (std::vector<std::string>{"fck 30 Objekt standard", "gamma_c 1.5 Objekt standard dup:Norm overridden",
                                            "rho 2400 Objekt standard", "gamma_c 1.5 Norm standard dup:Norm",
                                            "fcd 20 Norm standard"}));
  EXPECT_TRUE(eigen.inUserFile);
  EXPECT_EQ(eigen.rows[0].origin.inUserFile, true);

  // The compare matrix marks differing and partial rows.
  std::string states;
  for (const CompareRow& row : matrix.rows)
    states += row.shortName + ":" + RowState(row) + " ";
  EXPECT_EQ(states, "fck:differs gamma_c:same rho:partial fcd:differs ");
  EXPECT_EQ(CompareCsv(matrix),
            "kurzname,state,Beton/Normalbeton/EC2/C30/37,Beton/Normalbeton/EC2/C20/25\r\n"
            "fck,differs,30,20\r\ngamma_c,same,1.5,1.5\r\nrho,partial,2400,\r\n"
            "fcd,differs,20,13.3333\r\n");
}

TEST_F(LookingTest, PathsNameTheirObjectsOrTheFirstLevelThatDoesNotMatch)
{
  const std::pair<const char*, const char*> rows[] = {
      {"Beton/Normalbeton/EC2",
       "Beton/Normalbeton/EC2/C30/37 Beton/Normalbeton/EC2/C20/25 Beton/Normalbeton/EC2/Eigen "},
      {"Holz", "Holz/Nadelholz/EC5/C24 "},
      {"Beton/Normalbeton/EC2/C20/25", "Beton/Normalbeton/EC2/C20/25 "},
      {"Beton/Leichtbeton/EC2/X", "no Unterkategorie 'Leichtbeton' in Beton"},
      {"Beton/Normalbeton/EC2/C99", "no Objekt 'C99' in Beton/Normalbeton/EC2"},
      {"Stahl", "no Kategorie 'Stahl'"},
  };
  for (const auto& [path, expected] : rows) {
    const PathObjects found = ObjectsAtPath(*m_handler, Path(path));
    std::string text = found.error;
    for (const CMaterialPath& object : found.objects)
      text += object.Text() + " ";
    EXPECT_EQ(text, expected) << path;
  }
}

TEST(FormulaInspection, NamesValuesOriginsUnresolvedAndWarnings)
{
  const std::vector<InspectedRow> rows{
      {"fck", "30", "", 4, "C30/37"},
      {"t", "zwei", "", 4, "C30/37"},
      {"fcd", "", "fck/gamma_c + sqrt(t) + x", 3, "EC2"},
      {"gamma_c", "1,5", "", 3, "EC2"},  // a decimal comma reads as it is stored
  };
  const FormulaInspection inspection = InspectFormula(rows, 2);
  EXPECT_EQ(inspection.value, "20");
  std::vector<std::string> names;
  for (const InspectedName& name : inspection.names)
    names.push_back(name.name + "=" + name.value + "@" + std::to_string(name.row) + (name.number ? "" : "!"));
  EXPECT_EQ(names, (std::vector<std::string>{"fck=30@0", "gamma_c=1.5@3", "t=zwei@1!"}));
  EXPECT_EQ(inspection.functions, std::vector<std::string>{"sqrt"});
  EXPECT_EQ(inspection.unresolved, std::vector<std::string>{"x"});
  EXPECT_TRUE(std::any_of(inspection.warnings.begin(), inspection.warnings.end(),
                          [](const CParserWarning& warning) { return warning.code == kCodeValueNotANumber; }));
  EXPECT_TRUE(InspectFormula(rows, 0).formula.empty());  // a value row has nothing to inspect
}

// Searching folds case, accents and ß; tables quote their CSV fields and write the shortest numbers.
TEST(SearchAndTableText, FoldsAndCsvFieldsAndNumbers)
{
  const std::pair<const char*, const char*> rows[] = {
      {"Beton", "beton"}, {"BÉTON", "beton"}, {"Größe", "grosse"}, {"N/mm²", "n/mm2"}, {"ÄÖÜ äöü", "aou aou"}};
  for (const auto& [text, folded] : rows)
    EXPECT_EQ(FoldForSearch(text), folded) << text;
  EXPECT_EQ(CsvLine({"a", "b,c", "say \"hi\"", "two\nlines", ""}), "a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
  const std::pair<double, const char*> numbers[] = {{0.1, "0.1"}, {1e-5, "1e-05"}, {2400, "2400"}, {-1.5, "-1.5"}};
  for (const auto& [value, text] : numbers)
    EXPECT_EQ(ShortestNumber(value), text);
}
