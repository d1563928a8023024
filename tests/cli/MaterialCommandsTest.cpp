// `tavo show` and `tavo recalc` as scripts use them.

#include "tests/support/TavoTool.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

// fcd is stored stale (19) in the standard file; the user file holds one object of its own.
const std::string kStandard = MaterialFile(
    R"(<Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
  <Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert" Wert01="1.5" Einheit="-"/>
  <Eigenschaft Kurzname="fcd" Name="Bemessungswert" Formel="fck/gamma_c" Wert01="19" Einheit="N/mm²"/>
  <Objekt Name="C30/37" Prioritaet="0"><Eigenschaft Kurzname="fck" Name="Druckfestigkeit" Wert01="30" Einheit="N/mm²"/>
    <Eigenschaft Name="ohne Kurzname" Wert01="1"/></Objekt>
</Norm></Unterkategorie></Kategorie>
<Kategorie Name="Stahl" Prioritaet="1"><Unterkategorie Name="Betonstahl" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
  <Objekt Name="B500A" Prioritaet="3"><Eigenschaft Kurzname="fyk" Wert01="500"/></Objekt>
</Norm></Unterkategorie></Kategorie>
)");

const std::string kUser = MaterialFile(R"(<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
  <Objekt Name="Mein Beton"><Eigenschaft Kurzname="fck" Wert01="25"/>
    <Eigenschaft Kurzname="doppelt" Formel="fck*2" Wert01="50"/></Objekt>
</Norm></Unterkategorie></Kategorie>
)");

}  // namespace

TEST(CliShow, PrintsTheGridRowsRecalculated)
{
  const TavoFiles files(kStandard, kUser);
  ProcessResult result = files.Run({"show", "Beton", "Normalbeton", "EC2", "C30/37"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "fck\t30\t\tN/mm²\tC30/37\tDruckfestigkeit\n"
            "gamma_c\t1.5\t\t-\tEC2\tTeilsicherheitsbeiwert\n"
            "fcd\t20\tfck/gamma_c\tN/mm²\tEC2\tBemessungswert\n");
  EXPECT_EQ(ReadFile(files.standard), kStandard);  // showing saves nothing

  result = files.Run({"show", "Stahl", "Betonstahl", "EC2", "BSt 500 SA", "--json"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["objekt"], "B500A");
  EXPECT_EQ(json["inUserFile"], false);
  EXPECT_EQ(json["priority"], 3);
  EXPECT_EQ(json["rows"][0]["Kurzname"], "fyk");
  EXPECT_EQ(json["rows"][0]["Wert01"], "500");
  EXPECT_EQ(json["rows"][0]["Knoten"], "B500A");

  result = files.Run({"show", "Beton", "Normalbeton", "EC2", "Mein Beton", "--json"});
  EXPECT_EQ(nlohmann::json::parse(result.out)["inUserFile"], true);

  result = files.Run({"show", "Beton", "Normalbeton", "EC2", "C99/115"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("C99/115"), std::string::npos);
  EXPECT_EQ(files.Run({"show", "Beton", "Normalbeton"}).exitCode, 2);
}

TEST(CliRecalc, PrintsEachValueThenCountsAndSavesOnlyWhenAsked)
{
  const TavoFiles files(kStandard, kUser);
  ProcessResult result = files.Run({"recalc"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Beton/Normalbeton/EC2/C30/37\tfcd\t19\t20\n1 of 3 objects changed\n");
  EXPECT_EQ(ReadFile(files.standard), kStandard);
  const nlohmann::json json = nlohmann::json::parse(files.Run({"recalc", "--json"}).out);
  EXPECT_EQ(json["changed"], 1);
  EXPECT_EQ(json["values"].dump(), R"([{"attribute":"Wert01","file":"standard","kurzname":"fcd",)"
                                   R"("new":"20","old":"19","path":"Beton/Normalbeton/EC2/C30/37"}])");

  result = files.Run({"recalc", "--save"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(ReadFile(files.standard).find(R"(Formel="fck/gamma_c" Wert01="20")"), std::string::npos);
  EXPECT_EQ(ReadFile(files.user), kUser);  // nothing changed there: not written
  EXPECT_EQ(files.Run({"recalc"}).out, "0 of 3 objects changed\n");
}

TEST(CliRecalc, FileThatFailedToOpenIsNeverSaved)
{
  const TavoFiles files(kStandard, kUser);
  files.folder.Write("user.xml", "<Materialdatei>\n  <Kategorie Name=\"A\">\n</Materialdatei>\n");
  const ProcessResult result = files.Run({"recalc", "--save"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find(files.user + ":3:"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(files.standard), kStandard);
  EXPECT_EQ(ReadFile(files.user), "<Materialdatei>\n  <Kategorie Name=\"A\">\n</Materialdatei>\n");
}
