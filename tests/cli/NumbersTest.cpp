// The commands compute with the angle unit of the settings store, report what a formula could not
// compute, and hand scripts numbers they need not parse.

#include "tests/support/TavoTool.h"

#include <QDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

namespace {

// A material file of one code K/U/N holding the given objects.
std::string Code(const std::string& objects)
{
  return MaterialFile(R"(<Kategorie Name="K" Prioritaet="0"><Unterkategorie Name="U" Prioritaet="0">)"
                      R"(<Norm Name="N" Prioritaet="0">)" +
                      objects + "</Norm></Unterkategorie></Kategorie>\n");
}

// One object whose stored value of w is right in degrees only.
const std::string kAngles =
    Code(R"x(<Objekt Name="O"><Eigenschaft Kurzname="w" Formel="sin(90)" Wert01="1"/></Objekt>)x");

// A formula that fails and one that uses a value that is not a number.
const std::string kFailures = Code(R"(<Objekt Name="O" Prioritaet="0">
  <Eigenschaft Kurzname="fck" Wert01="30"/><Eigenschaft Kurzname="g" Wert01="0"/>
  <Eigenschaft Kurzname="t" Wert01="abc"/><Eigenschaft Kurzname="b" Formel="0.85*fck/g" Wert01="0.85"/>
  <Eigenschaft Kurzname="d" Formel="t*2" Wert01="0"/></Objekt>
<Objekt Name="P" Prioritaet="1"><Eigenschaft Kurzname="x" Formel="2*2" Wert01="4"/></Objekt>)");

}  // namespace

// The unit is installed where the handler opens and where `eval` evaluates: one command of each.
TEST(CliNumbers, CommandsUseTheStoredAngleUnit)
{
  const std::pair<const char*, const char*> cases[] = {{"", "0.893997"}, {"1", "1"}, {"2", "0.987688"}};
  for (const auto& [unit, sin90] : cases) {  // angleUnit in the settings store ("" stores none), sin(90)
    const TavoFiles db(kAngles);
    setenv("XDG_CONFIG_HOME", db.folder.Path("config").c_str(), 1);
    QDir().mkpath(QString::fromStdString(db.folder.Path("config/QOR")));
    if (*unit)
      db.folder.Write("config/QOR/vantorplan.conf", std::string("[General]\nangleUnit=") + unit + "\n");
    EXPECT_EQ(db.Run({"show", "K", "U", "N", "O"}).out, std::string("w\t") + sin90 + "\tsin(90)\t\tO\t\n") << unit;
    EXPECT_NEAR(std::stod(Tavo({"eval", "sin(90)"}).out), std::stod(sin90), 1e-6) << unit;
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
            "b\t64\tDivision durch Null.\n"
            "d\t2048\tWert von 't' ist keine Zahl: 'abc'\n");
  EXPECT_EQ(db.Run({"show", "--strict", "K", "U", "N", "O"}).exitCode, 1);
  EXPECT_EQ(db.Run({"show", "--strict", "K", "U", "N", "P"}).exitCode, 0);

  result = db.Run({"show", "K", "U", "N", "O", "--json"});
  const auto rows = nlohmann::json::parse(result.out)["rows"];
  EXPECT_EQ(rows[1]["warnings"], nlohmann::json::array());
  EXPECT_EQ(rows[3]["warnings"], nlohmann::json::parse(R"([{"code": 64, "text": "Division durch Null."}])"));
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
