// The priority-ordered lists of the four levels.

#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

using List = std::vector<std::string>;

namespace {

List Kategorien(const CTavoHandler& handler)
{
  List list;
  const int count = handler.ListKategorien(list);
  EXPECT_EQ(count, static_cast<int>(list.size()));
  return list;
}

List Objekte(const CTavoHandler& handler, const std::string& norm)
{
  List list;
  const int count = handler.ListObjekte("K", "U", norm, list);
  EXPECT_EQ(count, static_cast<int>(list.size()));
  return list;
}

// A standard file whose one code holds the given objects.
std::string WithObjects(const std::string& objects, const std::string& norm = "N")
{
  return MaterialFile("<Kategorie Name=\"K\"><Unterkategorie Name=\"U\"><Norm Name=\"" + norm + "\">" + objects +
                      "</Norm></Unterkategorie></Kategorie>\n");
}

}  // namespace

TEST(HandlerLists, LevelsKeepPriorityGaps)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="0"/><Kategorie Name="Stahl" Prioritaet="2"/>)"));
  EXPECT_EQ(Kategorien(*db.Open()), (List{"Beton", "", "Stahl"}));
}

TEST(HandlerLists, LevelCollisionIsAppended)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="0"/><Kategorie Name="Stahl" Prioritaet="2"/>)"),
                  MaterialFile(R"(<Kategorie Name="Holz" Prioritaet="2"/>)"));
  const List list = Kategorien(*db.Open());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0], "Beton");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ((List{list[2], list[3]} == List{"Holz", "Stahl"} || List{list[2], list[3]} == List{"Stahl", "Holz"}), true);
}

TEST(HandlerLists, EntryWithoutNameTakesNoSlotFromANamedOne)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="" Prioritaet="0"/><Kategorie Name="B" Prioritaet="0"/>
    <Kategorie Name="C" Prioritaet="1"><Unterkategorie Name="U"><Norm Name="N"><Objekt Name="" Prioritaet="0"/>
    <Objekt Name="B" Prioritaet="0"/><Objekt Name="C" Prioritaet="1"/></Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();
  EXPECT_EQ(Kategorien(*handler), (List{"B", "C"}));
  List objekte;
  handler->ListObjekte("C", "U", "N", objekte);
  EXPECT_EQ(objekte, (List{"B", "C"}));
}

TEST(HandlerLists, LevelFirstOccurrenceWinsButEveryOccurrenceStretches)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="1"/>)"),
                  MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="3"/>)"));
  EXPECT_EQ(Kategorien(*db.Open()), (List{"", "Beton", "", ""}));
}

TEST(HandlerLists, LevelsWithoutEntriesHoldOneEmptyEntry)
{
  TestDatabase db(MaterialFile(""));
  EXPECT_EQ(Kategorien(*db.Open()), List{""});
  List list;
  EXPECT_EQ(db.Open()->ListNormen("K", "U", list), 1);
}

TEST(HandlerLists, LevelsFindParentsByNameInBothFiles)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="Stahl" Prioritaet="0">
      <Unterkategorie Name="Betonstahl" Prioritaet="1"><Norm Name="EC2" Prioritaet="0"/></Unterkategorie>
    </Kategorie><Notiz Name="Stahl"><Unterkategorie Name="Baustahl" Prioritaet="0"/></Notiz>)"),
                  MaterialFile(R"x(<Kategorie Name="Stahl"><Unterkategorie Name="Betonstahl" Prioritaet="5">
      <Norm Name="EC2 NA (DE)" Prioritaet="1"/></Unterkategorie></Kategorie>)x"));
  const auto handler = db.Open();
  List list;
  // The search by Name looks at children of any tag.
  handler->ListUnterkategorien("Stahl", list);
  EXPECT_EQ(list, (List{"Baustahl", "Betonstahl", "", "", "", ""}));
  handler->ListNormen("Stahl", "Betonstahl", list);
  EXPECT_EQ(list, (List{"EC2", "EC2 NA (DE)"}));
}

TEST(HandlerLists, ProcessingInstructionsNamedLikeEntriesAreNoEntries)
{
  TestDatabase db(MaterialFile(R"(<?Kategorie x?><Kategorie Name="K" Prioritaet="0"><Unterkategorie Name="U">
    <Norm Name="N"><Objekt Name="A" Prioritaet="0"/><?Objekt x?><Objekt Name="B" Prioritaet="1">
    <?Eigenschaft x?><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt></Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();
  EXPECT_EQ(Kategorien(*handler), List{"K"});
  EXPECT_EQ(Objekte(*handler, "N"), (List{"A", "B"}));
  CTavoObj object;
  std::string name = "B";
  handler->GetObj(object, "K", "U", "N", name);
  EXPECT_EQ(object.propertyElements.size(), 1u);
}

TEST(HandlerLists, NegativeAndHugeLevelPrioritiesCountAsMissing)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="A" Prioritaet="-3"/><Kategorie Name="B" Prioritaet="4000000000"/>
    <Kategorie Name="C" Prioritaet="1"/>)"));
  const List list = Kategorien(*db.Open());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1], "C");
  EXPECT_TRUE((list[0] == "A" && list[2] == "B") || (list[0] == "B" && list[2] == "A"));
}

TEST(HandlerLists, ObjectsWithoutPriorityFollowTheHighestSoFar)
{
  TestDatabase db(
      WithObjects(R"(<Objekt Name="A" Prioritaet="1"/><Objekt Name="B"/><Objekt Name="C" Prioritaet=""/>)"));
  EXPECT_EQ(Objekte(*db.Open(), "N"), (List{"", "A", "B", "C"}));
}

TEST(HandlerLists, ObjectLastOccurrenceWins)
{
  TestDatabase db(WithObjects(R"(<Objekt Name="A" Prioritaet="0"/><Objekt Name="B" Prioritaet="1"/>)"),
                  WithObjects(R"(<Objekt Name="A" Prioritaet="3"/>)"));
  EXPECT_EQ(Objekte(*db.Open(), "N"), (List{"", "B", "", "A"}));
}

TEST(HandlerLists, ObjectsWithoutAnyOrOnlyBadPriorities)
{
  TestDatabase empty(WithObjects(""));
  EXPECT_EQ(Objekte(*empty.Open(), "N"), List{});

  TestDatabase bad(WithObjects(R"(<Objekt Name="A" Prioritaet="-1"/><Objekt Name="B" Prioritaet="70000"/>)"));
  EXPECT_EQ(Objekte(*bad.Open(), "N"), (List{"A", "B"}));
}

TEST(HandlerLists, ObjectThatLosesItsSlotIsStillListed)
{
  TestDatabase db(
      WithObjects(R"(<Objekt Name="A" Prioritaet="0"/><Objekt Name="B" Prioritaet="0"/><Objekt Name="C"/>)"));
  const List list = Objekte(*db.Open(), "N");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1], "C");
  EXPECT_TRUE((list[0] == "A" && list[2] == "B") || (list[0] == "B" && list[2] == "A"));
}

TEST(HandlerLists, DinNormWithCapitalIIsLookedUpWithDigitOne)
{
  TestDatabase db(MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U">
      <Norm Name="DIN 1045-1"><Objekt Name="C20/25"/></Norm>
      <Norm Name="DIN 1045-I"><Objekt Name="Alt"/></Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();
  EXPECT_EQ(Objekte(*handler, "DIN 1045-I"), List{"C20/25"});
  List normen;
  handler->ListNormen("K", "U", normen);
  // Listed under its own name; without priorities the second one is appended.
  EXPECT_EQ(normen, (List{"DIN 1045-1", "DIN 1045-I"}));
  EXPECT_EQ(CTavoHandler::NormalizeNormName("DIN 1045-I"), "DIN 1045-1");
  EXPECT_EQ(CTavoHandler::NormalizeNormName("DIN 1045-i"), "DIN 1045-i");
}
