// Every command computes with the angle unit of the settings store, reports what a formula could
// not compute, and hands scripts numbers they need not parse.

#include "tests/support/TavoTool.h"

#include <QDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>

namespace {

// One object whose stored value of w is right in degrees only.
const std::string kAngles = MaterialFile(
    R"xml(  <Kategorie Name="K" Prioritaet="0"><Unterkategorie Name="U" Prioritaet="0"><Norm Name="N" Prioritaet="0">
    <Objekt Name="O" Prioritaet="0"><Eigenschaft Kurzname="w" Formel="sin(90)" Wert01="1"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)xml");

// Formulas that fail, name an unknown variable or use a value that is not a number.
const std::string kFailures = MaterialFile(
    R"xml(  <Kategorie Name="K" Prioritaet="0"><Unterkategorie Name="U" Prioritaet="0"><Norm Name="N" Prioritaet="0">
    <Objekt Name="O" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Wert01="30"/>
      <Eigenschaft Kurzname="g" Wert01="0"/>
      <Eigenschaft Kurzname="t" Wert01="abc"/>
      <Eigenschaft Kurzname="a" Formel="fck/(" Wert01="0"/>
      <Eigenschaft Kurzname="b" Formel="0.85*fck/g" Wert01="0.85"/>
      <Eigenschaft Kurzname="c" Formel="zz+1" Wert01="1"/>
      <Eigenschaft Kurzname="d" Formel="t*2" Wert01="0"/>
    </Objekt>
    <Objekt Name="P" Prioritaet="1"><Eigenschaft Kurzname="fck" Wert01="1.5e1"/><Eigenschaft Kurzname="x" Formel="fck*2" Wert01="30"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)xml");

}  // namespace

TEST(CliNumbers, EveryCommandUsesTheStoredAngleUnit)
{
  struct Case {
    const char* unit;     // angleUnit in the settings store; "" stores none
    const char* sin90;    // sin(90) as %lg writes it
    const char* changed;  // what recalc reports
    int checkExit;        // 1: the stored 1 is stale
  };
  const Case cases[] = {
      {"", "0.893997", "K/U/N/O\tw\t1\t0.893997\n1 of 1 objects changed\n", 1},
      {"1", "1", "0 of 1 objects changed\n", 0},
      {"2", "0.987688", "K/U/N/O\tw\t1\t0.987688\n1 of 1 objects changed\n", 1},
  };
  for (const Case& c : cases) {
    const TavoFiles db(kAngles);
    setenv("XDG_CONFIG_HOME", db.folder.Path("config").c_str(), 1);
    QDir().mkpath(QString::fromStdString(db.folder.Path("config/QOR")));
    if (*c.unit)
      db.folder.Write("config/QOR/vantorplan.conf", std::string("[General]\nangleUnit=") + c.unit + "\n");

    EXPECT_EQ(db.Run({"show", "K", "U", "N", "O"}).out, std::string("w\t") + c.sin90 + "\tsin(90)\t\tO\t\n") << c.unit;
    EXPECT_EQ(db.Run({"recalc"}).out, c.changed) << c.unit;
    EXPECT_EQ(db.Run({"check"}).exitCode, c.checkExit) << c.unit;
    EXPECT_EQ(db.Run({"protocol", db.folder.Path("p.txt")}).exitCode, 0);
    EXPECT_NE(ReadFile(db.folder.Path("p.txt")).find(std::string("= ") + c.sin90 + " "), std::string::npos) << c.unit;
    EXPECT_NEAR(std::stod(Tavo({"eval", "sin(90)"}).out), std::stod(c.sin90), 1e-6) << c.unit;
  }
  unsetenv("XDG_CONFIG_HOME");
}

TEST(CliNumbers, ShowReportsEachFormulaWarningAndStrictFails)
{
  const TavoFiles db(kFailures);
  const std::string before = ReadFile(db.standard);
  ProcessResult result = db.Run({"show", "K", "U", "N", "O"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err,
            "a\t128\tUnerwartetes Symbol: <end of expression>\n"
            "b\t64\tDivision durch Null.\n"
            "c\t32\t'zz' nicht definiert\n"
            "d\t2048\tWert von 't' ist keine Zahl: 'abc'\n");
  EXPECT_EQ(db.Run({"show", "--strict", "K", "U", "N", "O"}).exitCode, 1);
  EXPECT_EQ(db.Run({"show", "--strict", "K", "U", "N", "P"}).exitCode, 0);

  result = db.Run({"show", "K", "U", "N", "O", "--json"});
  const auto rows = nlohmann::json::parse(result.out)["rows"];
  EXPECT_EQ(rows[1]["warnings"], nlohmann::json::array());
  EXPECT_EQ(rows[4]["warnings"], nlohmann::json::parse(R"([{"code": 64, "text": "Division durch Null."}])"));
  EXPECT_EQ(rows[0]["numbers"]["Wert01"], 30.0);
  EXPECT_EQ(rows[2]["numbers"]["Wert01"], nullptr);  // "abc"
  EXPECT_EQ(ReadFile(db.standard), before);          // nothing written because of a warning
}

TEST(CliNumbers, EvalTakesAFormulaThatStartsWithAMinusAndStrictFailsOnAnyWarning)
{
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    const char* out;
  };
  const Case cases[] = {
      {{"eval", "-x^2", "x=3"}, 0, "-9\n"},  // a minus before a power negates the power
      {{"eval", "--strict", "-x*2", "x=3"}, 0, "-6\n"},
      {{"eval", "-x", "--strict", "x=3"}, 0, "-3\n"},
      {{"eval", "--strict", "z+1"}, 1, "1\n"},
      {{"eval", "z+1"}, 0, "1\n"},
      {{"eval", "--", "-5"}, 0, "-5\n"},
  };
  for (const Case& c : cases) {
    const ProcessResult result = Tavo(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[1] << result.err;
    EXPECT_EQ(result.out, c.out) << c.arguments[1];
  }
}
