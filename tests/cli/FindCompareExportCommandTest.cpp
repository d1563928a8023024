// `tavo find`, `tavo compare` and `tavo export`: exit statuses, and an export that a real CSV
// parser and a JSON parser read back as `tavo show` prints the objects.

#include "tests/support/TavoTool.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <QDir>

#include <sstream>

namespace {

// Names with a comma and quotes, a decimal comma, a formula written back only in memory (fcd is
// stored stale), a second value column.
const std::string kStandard = MaterialFile(
    R"(  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert, &quot;Beton&quot;" Wert01="1,5"/>
    <Eigenschaft Kurzname="fcd" Name="Bemessungswert" Formel="fck/gamma_c" Wert01="99" Einheit="N/mm²"/>
    <Objekt Name="C30/37" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="30" Wert02="31.5" Einheit="N/mm²"/>
    </Objekt>
    <Objekt Name="C20/25" Prioritaet="1"><Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="20"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

// Reads the CSV with Python's csv module: per record path, Kurzname, Wert01, Formel, Einheit,
// Knoten, Name, joined by tabs, as `tavo show` prints a row after its path.
const char* const kReadCsv = R"(
import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    for r in csv.DictReader(f):
        print('\t'.join([r['path'], r['kurzname'], r['wert01'], r['formel'], r['einheit'], r['knoten'], r['name']]))
)";

}  // namespace

TEST(CliLooking, FindCompareAndExportAnswerAsTheOtherCommands)
{
  const TavoFiles files(kStandard);
  const TestFolder& folder = files.folder;
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    const char* inOutOrErr;
  } const cases[] = {
      {{"find", "ZYLINDER"}, 0, "Beton/Normalbeton/EC2/C30/37\tObjekt\tproperty\tfck\tZylinderdruckfestigkeit\n"},
      {{"find", "gamma", "--json"}, 0, "\"total\": 1"},
      {{"find", "nichts"}, 1, ""},
      {{"find"}, 2, "text is required"},
      {{"compare", "Beton/Normalbeton/EC2"}, 0, "fck\t30 N/mm²\t20\tdiffers\n"},
      {{"compare", "Beton/Normalbeton/EC2/C30/37", "Beton/Normalbeton/EC2/C20/25", "--csv"},
       0,
       "gamma_c,same,\"1,5\",\"1,5\"\r\nfcd,differs,30,20\r\n"},
      {{"compare", "Beton/Normalbeton/EC9/C30/37"}, 1, "no Norm 'EC9' in Beton/Normalbeton"},
      {{"compare", "Beton//EC2"}, 2, "name 2 of the path is empty"},
      {{"export", "Beton", "--format", "xml"}, 2, "--format"},
      {{"export", "Beton", "-o", folder.Path("no/such/folder/x.csv")}, 1, "no/such/folder/x.csv"},
  };
  for (const Case& c : cases) {
    const ProcessResult result = files.Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[1] << " " << result.err;
    EXPECT_NE((result.out + result.err).find(c.inOutOrErr), std::string::npos) << result.out << result.err;
  }
  EXPECT_FALSE(QDir(QString::fromStdString(folder.Path("no"))).exists());
  EXPECT_EQ(ReadFile(files.standard), kStandard);  // looking saves nothing

  // The export read back by real parsers gives what `tavo show` prints, object by object.
  ASSERT_EQ(files.Run({"export", "Beton/Normalbeton/EC2", "-o", folder.Path("all.csv")}).exitCode, 0);
  const ProcessResult csv = RunProcess("python3", {"-c", kReadCsv, folder.Path("all.csv")});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const ProcessResult json = files.Run({"export", "Beton/Normalbeton/EC2", "--format", "json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const auto objects = nlohmann::json::parse(json.out)["objects"];
  ASSERT_EQ(objects.size(), 2u);
  std::string expectedCsv;
  for (const auto& object : objects) {
    const ProcessResult shown =
        files.Run({"show", object["kat"], object["ukat"], object["norm"], object["objekt"], "--json"});
    const auto rows = nlohmann::json::parse(shown.out)["rows"];
    ASSERT_EQ(rows.size(), object["rows"].size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (const auto& [attribute, text] : rows[i].items()) {
        if (attribute != "warnings") {
          EXPECT_EQ(object["rows"][i][attribute], text) << attribute;
        }
      }
    }
    const ProcessResult plain = files.Run({"show", object["kat"], object["ukat"], object["norm"], object["objekt"]});
    std::istringstream lines(plain.out);
    for (std::string line; std::getline(lines, line);)
      expectedCsv += object["path"].get<std::string>() + "\t" + line + "\n";
  }
  EXPECT_EQ(csv.out, expectedCsv);
}
