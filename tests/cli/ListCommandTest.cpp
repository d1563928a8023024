// The `tavo` tool as a script uses it: exit statuses and output of `tavo list`.

#include "tests/support/TavoTool.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const std::string kStandard = R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
  <Kategorie Name="Beton" Prioritaet="0">
    <Unterkategorie Name="Normalbeton" Prioritaet="0">
      <Norm Name="EC2" Prioritaet="0">
        <Objekt Name="C20/25" Prioritaet="1"/>
        <Objekt Name="C12/15" Prioritaet="0"/>
      </Norm>
    </Unterkategorie>
  </Kategorie>
  <Kategorie Name="Würfel" Prioritaet="2"/>
</Materialdatei>
)";

}  // namespace

TEST(CliList, ListsEachLevelInListOrder)
{
  TestFolder folder;
  const std::string standard = folder.Write("std.xml", kStandard);
  const std::string user = folder.Path("user.xml");

  ProcessResult result = Tavo({"--standard", standard, "--user", user, "list"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Beton\n\nWürfel\n");

  result = Tavo({"--standard", standard, "--user", user, "list", "Beton", "Normalbeton", "EC2"});
  EXPECT_EQ(result.out, "C12/15\nC20/25\n");
  EXPECT_EQ(ReadFile(user), "");  // listing writes nothing
}

TEST(CliList, MalformedFileExitsWithThreeNamingFileLineAndColumn)
{
  TestFolder folder;
  const std::string bad = folder.Write("bad.xml", "<Materialdatei>\n  <Kategorie Name=\"A\">\n</Materialdatei>\n");
  const ProcessResult result = Tavo({"--standard", bad, "--user", folder.Path("user.xml"), "list"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find(bad + ":3:"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST(CliList, UsageErrorsExitWithTwo)
{
  EXPECT_EQ(Tavo({}).exitCode, 2);
  EXPECT_EQ(Tavo({"frobnicate"}).exitCode, 2);
  EXPECT_EQ(Tavo({"list", "a", "b", "c", "d"}).exitCode, 2);
  EXPECT_EQ(Tavo({"--help"}).exitCode, 0);
}
