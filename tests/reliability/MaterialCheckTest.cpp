// The checks of the material files, on small databases written from literals.

#include "tavo/material/MaterialCheck.h"

#include "tests/support/RunProcess.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The findings with the folder cut from the file names.
std::vector<std::string> Findings(const TestDatabase& database)
{
  const auto handler = database.Open();
  std::vector<std::string> lines;
  for (CheckFinding finding : CMaterialCheck(*handler).Run()) {
    finding.file = finding.file.substr(finding.file.rfind('/') + 1);
    lines.push_back(FormatFinding(finding));
  }
  return lines;
}

std::string Norm(const std::string& objects, const std::string& normProperties = "")
{
  return MaterialFile(
      "<Kategorie Name=\"Beton\" Prioritaet=\"0\">\n<Unterkategorie Name=\"N\" Prioritaet=\"0\">\n"
      "<Norm Name=\"EC2\" Prioritaet=\"0\">\n" +
      normProperties + objects + "</Norm>\n</Unterkategorie>\n</Kategorie>\n");
}

}  // namespace

TEST(MaterialCheck, BundledDatabaseHasNoFindings)
{
  const std::string bundled = std::string(std::getenv("TAVO_TEST_DATA")) + "/../../data/Materialdatei.xml";
  TestDatabase database(ReadFile(bundled));
  EXPECT_EQ(Findings(database), std::vector<std::string>{});
}

TEST(MaterialCheck, StructureNamesAndPriorities)
{
  TestDatabase database(
      MaterialFile("<Kategorie Name=\"Beton\" Prioritaet=\"0\">\n"         // 3
                   "  <Norm Name=\"EC2\"/>\n"                              // 4 a Norm directly under a Kategorie
                   "  <Unterkategorie Prioritaet=\"1\"/>\n"                // 5
                   "  <Unterkategorie Name=\"A\" Prioritaet=\"2abc\"/>\n"  // 6
                   "</Kategorie>\n"
                   "<Kategorie Name=\"Beton\" Prioritaet=\"-1\"/>\n"              // 8
                   "<Kategorie Name=\"Holz\" Prioritaet=\"70000\"/>\n"            // 9
                   "<Kategorie Name=\"Glas\" Prioritaet=\"0\"/>\n"                // 10 shares 0 with Beton and loses
                   "<Eigenschaft Name=\"ohne Kurzname\"><Wert/></Eigenschaft>\n"  // 11
                   "<Eigenschaft Kurzname=\"g\" Wert01=\"1\"/>\n"                 // 12
                   "<Eigenschaft Kurzname=\"g\" Wert01=\"2\"/>\n"));              // 13
  EXPECT_EQ(
      Findings(database),
      (std::vector<std::string>{
          "standard.xml:4: Beton: unknown element <Norm> under <Kategorie>; it is ignored",
          "standard.xml:5: Beton\\(no Name): the Unterkategorie has no Name, so no list can show it",
          "standard.xml:6: Beton\\A: the Prioritaet \"2abc\" is not a whole number; it is read as 2",
          "standard.xml:8: Beton: the Name repeats the Kategorie at line 3",
          "standard.xml:8: Beton: the Prioritaet \"-1\" is negative and counts as missing: the entry takes position 0",
          "standard.xml:9: Holz: the Prioritaet \"70000\" is above 65535 and counts as missing: the entry takes "
          "position 0",
          "standard.xml:10: Glas: the Prioritaet 0 is also held by \"Beton\"; the list shows this Kategorie at "
          "position 1 instead",
          "standard.xml:11: (root): a property without Kurzname: no formula can refer to it",
          "standard.xml:11: (root): unknown element <Wert> under <Eigenschaft>; it is ignored",
          "standard.xml:13: (root): the Kurzname \"g\" repeats the property at line 12; the later one wins"}));
}

// Formulas are tried per object with what it inherits. What `tavo recalc` would change is a
// finding; a formula row above the objects whose value differs per object is only a note, and a
// note alone leaves the exit status at 0.
TEST(MaterialCheck, FormulasStaleValuesAndValuesThatDependOnTheObjectViewed)
{
  struct Case {
    const char* objects;
    const char* normProperties;
    std::vector<std::string> findings;
    int exitCode;
  };
  const std::string shared = "<Eigenschaft Kurzname=\"g\" Wert01=\"1.5\"/>\n";  // line 6
  const Case cases[] = {
      {"<Objekt Name=\"C20\" Prioritaet=\"0\"><Eigenschaft Kurzname=\"fck\" Wert01=\"20\"/></Objekt>\n"  // 9
       "<Objekt Name=\"C30\" Prioritaet=\"1\"><Eigenschaft Kurzname=\"fck\" Wert01=\"30\"/>"             // 10
       "<Eigenschaft Kurzname=\"q\" Formel=\"fck/(fck-30)\"/></Objekt>\n"
       "<Objekt Name=\"X\" Prioritaet=\"2\"/>\n",  // 11
       // 7, 8: a chain over a formula with an empty value must not be blamed for that empty value
       "<Eigenschaft Kurzname=\"fcd\" Formel=\"fck/1.5\" Wert01=\"\"/>\n"
       "<Eigenschaft Kurzname=\"r\" Formel=\"1/fcd\" Wert01=\"\"/>\n",
       {"standard.xml:7: Beton\\N\\EC2\\X: the formula \"fck/1.5\" of fcd names a variable the object lacks: "
        "'fck' nicht definiert",
        "standard.xml:7: Beton\\N\\EC2: note: the formula row fcd above object level holds a value that depends "
        "on the object viewed (\"13.3333\" for C20, \"20\" for C30); viewing an object writes its value here",
        "standard.xml:8: Beton\\N\\EC2\\X: the formula \"1/fcd\" of r fails: Division durch Null.",
        "standard.xml:8: Beton\\N\\EC2: note: the formula row r above object level holds a value that depends on "
        "the object viewed (\"0.0750002\" for C20, \"0.05\" for C30); viewing an object writes its value here",
        "standard.xml:10: Beton\\N\\EC2\\C30: the formula \"fck/(fck-30)\" of q fails: Division durch Null.",
        "standard.xml:10: Beton\\N\\EC2\\C30: stale value: Wert01 \"\" is recalculated as \"0\""},
       1},
      {"<Objekt Name=\"C20\"><Eigenschaft Kurzname=\"fck\" Wert01=\"20\"/>"
       "<Eigenschaft Kurzname=\"fcm\" Formel=\"fck+18\" Wert01=\"98\"/></Objekt>\n",
       "",
       {"standard.xml:7: Beton\\N\\EC2\\C20: stale value: Wert01 \"98\" is recalculated as \"38\""},
       1},
      {"<Objekt Name=\"C20\"><Eigenschaft Kurzname=\"fck\" Wert01=\"20\"/></Objekt>\n",
       "<Eigenschaft Kurzname=\"h\" Formel=\"g*2\" Wert01=\"4\"/>\n",
       {"standard.xml:7: Beton\\N\\EC2: stale value: Wert01 \"4\" is recalculated as \"3\""},
       1},
      {"<Objekt Name=\"C20\"><Eigenschaft Kurzname=\"fck\" Wert01=\"20\"/></Objekt>\n"
       "<Objekt Name=\"C30\"><Eigenschaft Kurzname=\"fck\" Wert01=\"30\"/></Objekt>\n",
       "<Eigenschaft Kurzname=\"h\" Formel=\"g*2\" Wert01=\"3\"/>\n<Eigenschaft Kurzname=\"fcd\" Formel=\"fck/g\" "
       "Wert01=\"20\"/>\n",
       {"standard.xml:8: Beton\\N\\EC2: note: the formula row fcd above object level holds a value that depends on the "
        "object viewed (\"13.3333\" for C20, \"20\" for C30); viewing an object writes its value here"},
       0},
  };
  for (const Case& c : cases) {
    TestDatabase database(Norm(c.objects, shared + c.normProperties));
    EXPECT_EQ(Findings(database), c.findings) << c.objects;
    const ProcessResult check = RunProcess(
        std::getenv("TAVO_CLI"), {"--standard", database.StandardPath(), "--user", database.UserPath(), "check"});
    EXPECT_EQ(check.exitCode, c.exitCode) << check.out;
  }
}

TEST(MaterialCheck, UserObjectsHiddenByTheStandardFileAndSharedSlotsAcrossFiles)
{
  TestDatabase database(Norm("<Objekt Name=\"C20\" Prioritaet=\"0\"/>\n"),
                        Norm("<Objekt Name=\"C20\" Prioritaet=\"0\"/>\n<Objekt Name=\"Eigen\" Prioritaet=\"0\"/>\n"));
  EXPECT_EQ(Findings(database),
            (std::vector<std::string>{
                "user.xml:6: Beton\\N\\EC2\\C20: hidden by the object of the same path in the standard file (" +
                    database.StandardPath() + ":6); every lookup shows that one",
                "user.xml:7: Beton\\N\\EC2\\Eigen: the Prioritaet 0 is also held by \"C20\"; the list shows this "
                "Objekt at position 1 instead"}));
}
