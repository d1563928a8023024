// `tavo curve`: the curves of an object as points or a picture, and what it cannot draw.

#include "tests/support/TavoTool.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// C30/37 lacks eps_c1 and has a non-numeric eps_c3; fyd of the steel is computed from its code.
const std::string kStandard = MaterialFile(
    R"(  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Objekt Name="C30/37" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Wert01="30"/><Eigenschaft Kurzname="fcd" Wert01="20"/><Eigenschaft Kurzname="n" Wert01="2"/>
      <Eigenschaft Kurzname="eps_c2" Wert01="2" Einheit="‰"/><Eigenschaft Kurzname="eps_cu2" Wert01="3.5" Einheit="‰"/>
      <Eigenschaft Kurzname="eps_c3" Wert01="zwei" Einheit="‰"/><Eigenschaft Kurzname="eps_cu3" Wert01="3.5"/>
      <Eigenschaft Kurzname="fcm" Wert01="38"/><Eigenschaft Kurzname="Ecm" Wert01="32.8" Einheit="kN/mm²"/>
    </Objekt>
    <Objekt Name="Zahl" Prioritaet="1"><Eigenschaft Kurzname="rho" Wert01="2400"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
  <Kategorie Name="Stahl" Prioritaet="1"><Unterkategorie Name="Betonstahl" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_s" Wert01="1.15"/><Eigenschaft Kurzname="Es" Wert01="200000"/>
    <Eigenschaft Kurzname="fyd" Formel="fyk/gamma_s" Wert01=""/>
    <Objekt Name="B500B" Prioritaet="0">
      <Eigenschaft Kurzname="fyk" Wert01="500"/><Eigenschaft Kurzname="k" Wert01="1.08"/>
      <Eigenschaft Kurzname="eps_uk" Wert01="5" Einheit="%"/>
    </Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

}  // namespace

TEST(CliCurve, PrintsOrDrawsWhatItCanAndNamesWhatIsMissing)
{
  const TavoFiles files(kStandard);
  const auto run = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "curve");
    return files.Run(arguments);
  };

  ProcessResult result = run({"Beton/Normalbeton/EC2/C30/37", "--points", "3"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "law,strain_permille,stress_N_per_mm2\n"
            "parabola-rectangle,0,0\nparabola-rectangle,1.75,19.6875\nparabola-rectangle,2,20\n"
            "parabola-rectangle,3.5,20\n");
  EXPECT_EQ(result.err,
            "tavo: cannot draw bilinear: eps_c3 is not a number: \"zwei\"\n"
            "tavo: cannot draw nonlinear: eps_c1 is missing\n");

  result = run({"Stahl/Betonstahl/EC2/B500B", "--law", "rebar-design-inclined", "--json", "--points", "2"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("\"label\": \"εud\",\n          \"strain\": 45.0,\n          \"stress\": 465.9"),
            std::string::npos)
      << result.out;

  result = run({"Stahl/Betonstahl/EC2/B500B", "--svg", files.folder.Path("b500b.svg")});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(ReadFile(files.folder.Path("b500b.svg")).find("Bemessung, horizontaler Ast"), std::string::npos);

  struct Failure {
    std::vector<std::string> arguments;
    int exitCode;
  };
  const Failure failures[] = {
      {{"Beton/Normalbeton/EC2/C30/37", "--law", "nonlinear"}, 1},  // the one law asked for lacks eps_c1
      {{"Beton/Normalbeton/EC2/Zahl"}, 1},                          // no law of any kind
      {{"Beton/Normalbeton/EC2/C40/50"}, 1},                        // no such object
      {{"Beton/Normalbeton/EC2"}, 2},                               // a level, not an object
      {{"Beton/Normalbeton/EC2/C30/37", "--law", "spline"}, 2},
      {{"Beton/Normalbeton/EC2/C30/37", "--points", "1"}, 2},
      {{"Stahl/Betonstahl/EC2/B500B", "--svg", files.folder.Path("no/such/folder/x.svg")}, 1},
  };
  for (const Failure& failure : failures) {
    result = run(failure.arguments);
    EXPECT_EQ(result.exitCode, failure.exitCode) << failure.arguments[0] << " " << result.err;
    EXPECT_FALSE(result.err.empty());
  }
  EXPECT_EQ(ReadFile(files.standard), kStandard);  // drawing saves nothing
  std::remove(files.standard.c_str());
  EXPECT_EQ(run({"Beton/Normalbeton/EC2/C30/37"}).exitCode, 3);
}
