// The priority-ordered lists of the four levels, as one table of (standard file, user file, level,
// list): a priority is a slot and a gap an empty entry; of the entries competing for one slot the
// first by name takes it and the others are appended, by name too.

#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

// A standard or user file whose one code K/U/N holds the given objects.
std::string WithObjects(const std::string& objects)
{
  return MaterialFile("<Kategorie Name=\"K\"><Unterkategorie Name=\"U\"><Norm Name=\"N\">" + objects +
                      "</Norm></Unterkategorie></Kategorie>\n");
}

std::string Kategorien(const std::string& entries)
{
  return MaterialFile(entries);
}

const List kObjects{"K", "U", "N"};

const std::string kStahl = MaterialFile(R"(<Kategorie Name="Stahl" Prioritaet="0">
    <Unterkategorie Name="Betonstahl" Prioritaet="1"><Norm Name="EC2" Prioritaet="0"/></Unterkategorie>
  </Kategorie><Notiz Name="Stahl"><Unterkategorie Name="Baustahl" Prioritaet="0"/></Notiz>)");
const std::string kStahlUser =
    MaterialFile(R"x(<Kategorie Name="Stahl"><Unterkategorie Name="Betonstahl" Prioritaet="5">
    <Norm Name="EC2 NA (DE)" Prioritaet="1"/></Unterkategorie></Kategorie>)x");

}  // namespace

TEST(HandlerLists, PrioritiesGapsCollisionsAndBothFiles)
{
  const struct {
    const char* what;
    std::string standard, user;
    List level;  // the names above the list
    List expected;
  } rows[] = {
      {"a gap is an empty entry",
       Kategorien(R"(<Kategorie Name="Beton" Prioritaet="0"/><Kategorie Name="Stahl" Prioritaet="2"/>)"),
       "",
       {},
       {"Beton", "", "Stahl"}},
      {"competing entries: the first by name keeps the slot",
       Kategorien(R"(<Kategorie Name="Beton" Prioritaet="0"/><Kategorie Name="Stahl" Prioritaet="2"/>)"),
       Kategorien(R"(<Kategorie Name="Holz" Prioritaet="2"/>)"),
       {},
       {"Beton", "", "Holz", "Stahl"}},
      {"the first occurrence wins, every occurrence stretches",
       Kategorien(R"(<Kategorie Name="Beton" Prioritaet="1"/>)"),
       Kategorien(R"(<Kategorie Name="Beton" Prioritaet="3"/>)"),
       {},
       {"", "Beton", "", ""}},
      {"negative and huge priorities count as missing",
       Kategorien(R"(<Kategorie Name="A" Prioritaet="-3"/><Kategorie Name="B" Prioritaet="4000000000"/>
         <Kategorie Name="C" Prioritaet="1"/>)"),
       "",
       {},
       {"A", "C", "B"}},
      {"an entry without name takes no slot",
       Kategorien(
           R"(<Kategorie Name="" Prioritaet="0"/><Kategorie Name="B" Prioritaet="0"/><Kategorie Name="C" Prioritaet="1"/>)"),
       "",
       {},
       {"B", "C"}},
      {"an empty level holds one empty entry", Kategorien(""), "", {}, {""}},
      {"a missing level too", Kategorien(""), "", {"K", "U"}, {""}},
      {"instructions named like entries are none",
       Kategorien(R"(<?Kategorie x?><Kategorie Name="K" Prioritaet="0"/>)"),
       "",
       {},
       {"K"}},
      {"parents are found by name in both files, under any tag",
       kStahl,
       kStahlUser,
       {"Stahl"},
       {"Baustahl", "Betonstahl", "", "", "", ""}},
      {"codes of a level found in both files", kStahl, kStahlUser, {"Stahl", "Betonstahl"}, {"EC2", "EC2 NA (DE)"}},
      {"objects without priority follow the highest so far",
       WithObjects(R"(<Objekt Name="A" Prioritaet="1"/><Objekt Name="B"/><Objekt Name="C" Prioritaet=""/>)"),
       "",
       kObjects,
       {"", "A", "B", "C"}},
      {"the last occurrence of an object wins",
       WithObjects(R"(<Objekt Name="A" Prioritaet="0"/><Objekt Name="B" Prioritaet="1"/>)"),
       WithObjects(R"(<Objekt Name="A" Prioritaet="3"/>)"),
       kObjects,
       {"", "B", "", "A"}},
      {"a code without objects lists none", WithObjects(""), "", kObjects, {}},
      {"objects with bad priorities only",
       WithObjects(R"(<Objekt Name="A" Prioritaet="-1"/><Objekt Name="B" Prioritaet="70000"/>)"),
       "",
       kObjects,
       {"A", "B"}},
      {"an object that loses its slot is appended",
       WithObjects(R"(<Objekt Name="A" Prioritaet="0"/><Objekt Name="B" Prioritaet="0"/><Objekt Name="C"/>)"),
       "",
       kObjects,
       {"A", "C", "B"}},
      {"an object without name takes no slot",
       WithObjects(
           R"(<Objekt Name="" Prioritaet="0"/><?Objekt x?><Objekt Name="B" Prioritaet="0"/><Objekt Name="C" Prioritaet="1"/>)"),
       "",
       kObjects,
       {"B", "C"}},
      {"a code of the user file",
       WithObjects(R"(<Objekt Name="A" Prioritaet="0"/>)"),
       WithObjects(R"(<Objekt Name="Eigen" Prioritaet="0"/>)"),
       kObjects,
       {"A", "Eigen"}},
      // DIN 1045-I (capital I) lists the objects of DIN 1045-1; the codes list under their own names.
      {"a DIN code with a capital I",
       MaterialFile(
           R"(<Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="DIN 1045-1"><Objekt Name="C20/25"/></Norm>
         <Norm Name="DIN 1045-I"><Objekt Name="Alt"/></Norm></Unterkategorie></Kategorie>)"),
       "",
       {"K", "U", "DIN 1045-I"},
       {"C20/25"}},
      {"the DIN codes themselves",
       MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="DIN 1045-1"/><Norm Name="DIN 1045-I"/>
         </Unterkategorie></Kategorie>)"),
       "",
       {"K", "U"},
       {"DIN 1045-1", "DIN 1045-I"}},
  };
  for (const auto& row : rows) {
    TestDatabase db(row.standard.empty() ? Kategorien("") : row.standard, row.user);
    EXPECT_EQ(db.Open()->ListLevel(row.level), row.expected) << row.what;
  }
}
