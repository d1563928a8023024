// The handler's object lookup: search order, steel names, code names and the one-object cache.

#include "tests/support/TestDatabase.h"

#include "tavo/material/Vocabulary.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

// A standard file with one object of the given name under K/U/<norm>.
std::string OneObject(const std::string& norm, const std::string& object, const std::string& fck)
{
  return MaterialFile("<Kategorie Name=\"K\"><Unterkategorie Name=\"U\"><Norm Name=\"" + norm +
                      "\"><Eigenschaft Kurzname=\"twice\" Formel=\"fck*2\" Wert01=\"\"/><Objekt Name=\"" + object +
                      "\"><Eigenschaft Kurzname=\"fck\" Wert01=\"" + fck +
                      "\"/></Objekt></Norm></Unterkategorie></Kategorie>\n");
}

CTavoObj Get(CTavoHandler& handler, const std::string& norm, std::string objekt)
{
  CTavoObj obj;
  handler.GetObj(obj, "K", "U", norm, objekt);
  return obj;
}

}  // namespace

TEST(ObjectLookup, SteelNamesMapOnlyForReinforcingSteelOfEc2)
{
  struct Row {
    const char *kat, *ukat, *norm, *name, *mapped;
  } const rows[] = {
      {"Stahl", "Betonstahl", "EC2", "BSt 500 SA", "B500A"},
      {"Stahl", "Betonstahl", "EC2 NA (DE)", "BSt 500 MB", "B500B"},
      {"Stahl", "Betonstahl", "EC2", "BSt 500 sa", "BSt 500 sa"},
      {"Stahl", "Betonstahl", "EC3", "BSt 500 SA", "BSt 500 SA"},
      {"Stahl", "Baustahl", "EC2", "BSt 500 SA", "BSt 500 SA"},
      {"Beton", "Betonstahl", "EC2", "BSt 500 SB", "BSt 500 SB"},
  };
  for (const Row& row : rows) {
    std::string name = row.name;
    CTavoHandler::MapSteelName(row.kat, row.ukat, row.norm, name);
    EXPECT_EQ(name, row.mapped) << row.norm << " " << row.name;
  }

  TestDatabase db(MaterialFile(R"(<Kategorie Name="Stahl"><Unterkategorie Name="Betonstahl"><Norm Name="EC2">
    <Objekt Name="B500A" Prioritaet="0"/></Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();
  std::string objekt = "BSt 500 SA";
  CTavoObj obj;
  handler->GetObj(obj, "Stahl", "Betonstahl", "EC2", objekt);
  EXPECT_EQ(objekt, "B500A");  // the caller sees the new name
  EXPECT_STREQ(QODOM_GetString(obj.objectElement, kName), "B500A");
  EXPECT_EQ(handler->ObjectKey(), "Stahl\\Betonstahl\\EC2\\B500A");
}

TEST(ObjectLookup, StandardFileFirstThenUserFile)
{
  TestDatabase db(OneObject("N", "both", "10"),
                  MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="N">
    <Objekt Name="both"><Eigenschaft Kurzname="fck" Wert01="99"/></Objekt>
    <Objekt Name="mine"><Eigenschaft Kurzname="fck" Wert01="7"/></Objekt>
  </Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();

  CTavoObj obj = Get(*handler, "N", "both");
  EXPECT_FALSE(obj.inUserFile);
  EXPECT_EQ(obj.values.at("twice"), "20");

  obj = Get(*handler, "N", "mine");  // inherits from the levels of its own file only
  EXPECT_TRUE(obj.inUserFile);
  EXPECT_EQ(obj.values.count("twice"), 0u);
  EXPECT_EQ(obj.values.at("fck"), "7");
}

TEST(ObjectLookup, LastMatchingCodeDecidesEvenWhenItLacksTheObject)
{
  const std::string codes = R"(<Kategorie Name="K"><Unterkategorie Name="U">
    <Norm Name="N"><Objekt Name="a"><Eigenschaft Kurzname="v" Wert01="1"/></Objekt><Objekt Name="c"/></Norm>
    <Norm Name="N"><Objekt Name="a"><Eigenschaft Kurzname="v" Wert01="2"/></Objekt><Objekt Name="b"/></Norm>
    <Norm Name="N"><Objekt Name="c"/></Norm>
  </Unterkategorie></Kategorie>)";
  TestDatabase db(MaterialFile(codes), MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="N">
    <Objekt Name="a"><Eigenschaft Kurzname="v" Wert01="3"/></Objekt></Norm></Unterkategorie></Kategorie>)"));
  const auto handler = db.Open();
  using File = CTavoHandler::ObjectFile;
  struct Row {
    const char* objekt;
    bool found, inUser;
    File located;  // the object list's mark, found for all names at once
  } const rows[] = {{"a", true, true, File::kUser},
                    {"b", false, true, File::kNone},  // flagged by the last N seen
                    {"c", true, false, File::kStandard}};
  const auto located = handler->LocateObjects("K", "U", "N", {"a", "b", "c"});
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    const CTavoObj obj = Get(*handler, "N", row.objekt);
    EXPECT_EQ(obj.objectElement != 0, row.found) << row.objekt;
    EXPECT_EQ(obj.inUserFile, row.inUser) << row.objekt;
    EXPECT_EQ(located.at(i), row.located) << row.objekt;
  }
  EXPECT_EQ(Get(*handler, "N", "a").values.at("v"), "3");  // the standard file's last code lacks it
}

// DIN 1045-I (capital I) is looked up as DIN 1045-1; the cache then holds until a file opens or
// closes, the object is forgotten or another one is looked up.
TEST(ObjectLookup, DinCodeWithCapitalIAndTheOneObjectCache)
{
  TestDatabase db(OneObject("DIN 1045-1", "C", "10"));
  const auto handler = db.Open();
  const CTavoObj first = Get(*handler, "DIN 1045-I", "C");
  EXPECT_EQ(first.values.at("twice"), "20");
  EXPECT_EQ(handler->ObjectKey(), "K\\U\\DIN 1045-I\\C");  // the key keeps the name as given

  // An edit through the handle is not seen while the object is cached.
  QODOM_SetString(first.propertyElements[0], kWert01, "15");
  EXPECT_EQ(Get(*handler, "DIN 1045-I", "C").values.at("twice"), "20");

  handler->ForgetCurrentObject();
  EXPECT_EQ(handler->ObjectKey(), "");
  EXPECT_EQ(Get(*handler, "DIN 1045-I", "C").values.at("twice"), "30");

  QODOM_SetString(first.propertyElements[0], kWert01, "16");
  handler->EnsureUserOpen(false);
  handler->EnsureUserOpen(true);
  EXPECT_EQ(Get(*handler, "DIN 1045-I", "C").values.at("twice"), "32");
  // Another name replaces the cached object.
  Get(*handler, "DIN 1045-I", "other");
  QODOM_SetString(first.propertyElements[0], kWert01, "17");
  EXPECT_EQ(Get(*handler, "DIN 1045-I", "C").values.at("twice"), "34");

  // A code that is itself named "DIN 1045-I" is not found through that name.
  TestDatabase literal(OneObject("DIN 1045-I", "C20/25", "20"));
  EXPECT_EQ(Get(*literal.Open(), "DIN 1045-I", "C20/25").objectElement, 0u);
}
