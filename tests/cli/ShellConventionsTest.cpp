// `tavo` follows the shell's conventions: exit statuses, --version, unknown commands named with
// the closest known one, lists in list order, a missing level told by its name, `-` as standard
// output, one language at a time.

#include "tests/support/TavoTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const std::string kStandard = MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="0">
  <Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Objekt Name="C30/37" Prioritaet="1"><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt>
    <Objekt Name="C12/15" Prioritaet="0"/>
  </Norm></Unterkategorie></Kategorie>
<Kategorie Name="Würfel" Prioritaet="2"/>
)");

}  // namespace

TEST(CliConventions, ExitStatusAndMessages)
{
  const TavoFiles files(kStandard);
  const std::string unwritable = files.folder.Path("no/such/folder/material.txt");
  struct Row {
    std::vector<std::string> arguments;
    int exitCode;
    std::string out, err;  // "*": anything but nothing
  } rows[] = {
      {{}, 2, "", "*"},
      {{"--help"}, 0, "*", ""},
      {{"list"}, 0, "Beton\n\nWürfel\n", ""},  // an empty slot is an empty line
      {{"list", "a", "b", "c", "d"}, 2, "", "*"},
      {{"protocol", unwritable},
       1,
       "",
       "tavo: cannot write the protocol " + unwritable + ": No such file or directory\n"},
      {{"lsit"}, 2, "", "tavo: unknown command 'lsit'; did you mean 'list'?\n"},
      {{"frobnicate"}, 2, "", "tavo: unknown command 'frobnicate'\n"},
      {{"list", "Beton", "Leichtbeton"}, 1, "", "tavo list: no such level: Beton/Leichtbeton\n"},
      {{"list", "Beton", "Normalbeton", "EC2"}, 0, "C12/15\nC30/37\n", ""},
      {{"--version"}, 0, "tavo 1.0\n", ""},
  };
  for (const Row& row : rows) {
    const ProcessResult result = files.Run(row.arguments);
    const std::string what = row.arguments.empty() ? "(nothing)" : row.arguments[0];
    EXPECT_EQ(result.exitCode, row.exitCode) << what << ": " << result.err;
    if (row.out == "*")
      EXPECT_FALSE(result.out.empty()) << what;
    else
      EXPECT_EQ(result.out, row.out) << what;
    if (row.err == "*")
      EXPECT_FALSE(result.err.empty()) << what;
    else
      EXPECT_EQ(result.err, row.err) << what;
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(files.user)));  // nothing was saved
}

TEST(CliConventions, DashWritesTheProtocolToStandardOutput)
{
  const TavoFiles files(kStandard);
  ASSERT_EQ(files.Run({"protocol", files.folder.Path("protocol.txt")}).exitCode, 0);
  const ProcessResult result = files.Run({"protocol", "-"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Objekt: C30/37"), std::string::npos);
  EXPECT_EQ(result.out, ReadFile(files.folder.Path("protocol.txt")));
  EXPECT_FALSE(QFileInfo::exists("-"));
}

TEST(CliConventions, FormulaTextsInTheLanguageInUseAndNoStartupLog)
{
  const std::pair<const char*, const char*> rows[] = {{"de", "64\tDivision durch Null.\n32\t'x' nicht definiert\n"},
                                                      {"en", "64\tDivide by zero\n32\t'x' not defined\n"}};
  for (const auto& [language, err] : rows) {
    setenv("TAVO_LANG", language, 1);
    EXPECT_EQ(Tavo({"eval", "1/0"}).err + Tavo({"eval", "x"}).err, err) << language;
  }
  unsetenv("TAVO_LANG");

  // The start-up log is the editor's: a copy of the tool in a root of its own, where the log
  // would go, leaves none there (the build's own log is shared with tests running meanwhile).
  const TestFolder root;
  const QString copy = QString::fromStdString(root.Path("bin/tavo"));
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root.Path("bin"))));
  ASSERT_TRUE(QFile::copy(QString(std::getenv("TAVO_CLI")), copy));
  EXPECT_EQ(RunProcess(copy.toStdString(), {"eval", "1"}).out, "1\n");
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(root.Path("startup.log"))));
}
