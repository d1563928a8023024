// The priority-ordered lists of the four levels, as one table of (standard file, user file, level,
// list): a priority is a slot and a gap an empty entry; of the entries competing for one slot the
// first by name takes it and the others are appended, by name too.

#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using List = std::vector<std::string>;

// Entries written as "Name=priority", "Name=" (empty priority), "Name" (none) or "?" (an
// instruction named like the tag), separated by blanks; "_" stands for an empty name.
std::string Entries(const std::string& tag, const std::string& layout)
{
  std::istringstream words(layout);
  std::string xml, word;
  while (words >> word) {
    const auto equals = word.find('=');
    const std::string name = word.substr(0, equals) == "_" ? "" : word.substr(0, equals);
    xml += word == "?"
               ? "<?" + tag + " x?>"
               : "<" + tag + " Name=\"" + name + "\"" +
                     (equals == std::string::npos ? "" : " Prioritaet=\"" + word.substr(equals + 1) + "\"") + "/>";
  }
  return xml;
}
std::string Kategorien(const std::string& layout)
{
  return MaterialFile(Entries("Kategorie", layout));
}
std::string Objekte(const std::string& layout)
{
  return MaterialFile("<Kategorie Name=\"K\"><Unterkategorie Name=\"U\"><Norm Name=\"N\">" + Entries("Objekt", layout) +
                      "</Norm></Unterkategorie></Kategorie>\n");
}

const List kObjects{"K", "U", "N"};
const std::string kStahl = MaterialFile(R"(<Kategorie Name="Stahl" Prioritaet="0">
    <Unterkategorie Name="Betonstahl" Prioritaet="1"><Norm Name="EC2" Prioritaet="0"/></Unterkategorie>
  </Kategorie><Notiz Name="Stahl"><Unterkategorie Name="Baustahl" Prioritaet="0"/></Notiz>)");
const std::string kStahlUser =
    MaterialFile(R"x(<Kategorie Name="Stahl"><Unterkategorie Name="Betonstahl" Prioritaet="5">
    <Norm Name="EC2 NA (DE)" Prioritaet="1"/></Unterkategorie></Kategorie>)x");
const std::string kDin = MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U">
    <Norm Name="DIN 1045-1"><Objekt Name="C20/25"/></Norm><Norm Name="DIN 1045-I"><Objekt Name="Alt"/></Norm>
  </Unterkategorie></Kategorie>)");

}  // namespace

TEST(HandlerLists, PrioritiesGapsCollisionsAndBothFiles)
{
  const struct {
    const char* what;
    std::string standard, user;
    List level;  // the names above the list
    List expected;
  } rows[] = {
      {"a gap is an empty entry", Kategorien("Beton=0 Stahl=2"), "", {}, {"Beton", "", "Stahl"}},
      {"first by name keeps the slot",
       Kategorien("Beton=0 Stahl=2"),
       Kategorien("Holz=2"),
       {},
       {"Beton", "", "Holz", "Stahl"}},
      {"first occurrence wins, every one stretches",
       Kategorien("Beton=1"),
       Kategorien("Beton=3"),
       {},
       {"", "Beton", "", ""}},
      {"negative and huge priorities count as missing", Kategorien("A=-3 B=4000000000 C=1"), "", {}, {"A", "C", "B"}},
      {"an empty level holds one empty entry", Kategorien(""), "", {}, {""}},
      {"a missing level too", Kategorien(""), "", {"K", "U"}, {""}},
      {"instructions named like entries are none", Kategorien("? K=0"), "", {}, {"K"}},
      {"parents by name, any tag", kStahl, kStahlUser, {"Stahl"}, {"Baustahl", "Betonstahl", "", "", "", ""}},
      {"codes of a level in both files", kStahl, kStahlUser, {"Stahl", "Betonstahl"}, {"EC2", "EC2 NA (DE)"}},
      {"objects without priority follow the highest so far", Objekte("A=1 B C="), "", kObjects, {"", "A", "B", "C"}},
      {"the last occurrence of an object wins", Objekte("A=0 B=1"), Objekte("A=3"), kObjects, {"", "B", "", "A"}},
      {"a code without objects lists none", Objekte(""), "", kObjects, {}},
      {"objects with bad priorities only", Objekte("A=-1 B=70000"), "", kObjects, {"A", "B"}},
      {"an object that loses its slot is appended", Objekte("A=0 B=0 C"), "", kObjects, {"A", "C", "B"}},
      {"those of several slots by name", Objekte("D=0 C=0 B=1 A=1"), "", kObjects, {"C", "A", "B", "D"}},
      {"an object without name takes no slot", Objekte("_=0 ? B=0 C=1"), "", kObjects, {"B", "C"}},
      {"a code of the user file", Objekte("A=0"), Objekte("Eigen=0"), kObjects, {"A", "Eigen"}},
      // DIN 1045-I (capital I) lists the objects of DIN 1045-1; the codes list under their own names.
      {"a DIN code with a capital I", kDin, "", {"K", "U", "DIN 1045-I"}, {"C20/25"}},
      {"the DIN codes themselves", kDin, "", {"K", "U"}, {"DIN 1045-1", "DIN 1045-I"}},
  };
  for (const auto& row : rows) {
    TestDatabase db(row.standard, row.user);
    EXPECT_EQ(db.Open()->ListLevel(row.level), row.expected) << row.what;
  }
}
