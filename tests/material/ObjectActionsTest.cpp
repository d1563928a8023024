// Copy, delete and priority on a small database in temporary files, without a window.

#include "tavo/material/ObjectActions.h"

#include "tavo/material/Vocabulary.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

// A code with a property of its own and three objects of priority 0, 3 and none (C30/37 holds
// gamma_c again, with fewer attributes); the user file holds an object of its own and an
// unrelated category.
const std::string kStandard =
    MaterialFile(R"(<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
<Eigenschaft Kurzname="gamma_c" Wert01="1.5" Einheit="-"/>
<Objekt Name="C20/25" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="20"/></Objekt>
<Objekt Name="C30/37" Prioritaet="3"><Eigenschaft Kurzname="fck" Wert01="30"/>
  <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/></Objekt>
<Objekt Name="C35/45"><Eigenschaft Kurzname="fck" Wert01="35"/></Objekt>
</Norm></Unterkategorie></Kategorie>
)");
const std::string kUser = MaterialFile(R"(<Kategorie Name="Holz"/>
<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2"><Objekt Name="Eigen"/></Norm></Unterkategorie></Kategorie>
)");

ObjectPath Path(const std::string& objekt)
{
  return {"Beton", "Normalbeton", "EC2", objekt};
}

CTavoObj Get(CTavoHandler& handler, std::string objekt)
{
  CTavoObj object;
  handler.GetObj(object, "Beton", "Normalbeton", "EC2", objekt);
  return object;
}

// The object's rows as "Kurzname=Wert01@Knoten", and its Prioritaet as "#text" when it has one.
std::string Describe(CTavoHandler& handler, const std::string& objekt)
{
  const CTavoObj object = Get(handler, objekt);
  std::string text = QODOM_HasAttr(object.objectElement, kPrioritaet)
                         ? std::string("#") + QODOM_GetString(object.objectElement, kPrioritaet)
                         : "";
  for (QODOM_ELEMENT row : object.propertyElements)
    text += std::string(" ") + QODOM_GetString(row, kKurzname) + "=" + QODOM_GetString(row, kWert01) + "@" +
            QODOM_GetString(QODOM_GetParentElement(row), kName);
  return text;
}

}  // namespace

TEST(ObjectActions, CopyGoesUnderTheSamePathOfItsTargetFile)
{
  struct Case {
    bool intoUserFile;
    std::string priorityText;
    std::string expected;  // the copy, described
  };
  const Case cases[] = {
      // The user file's copy holds every inherited property as its own and no Prioritaet.
      {true, "", " fck=20@Kopie gamma_c=1.5@Kopie"},
      // The standard file's copy is a clone that still inherits; the priority is kept as typed.
      {false, "abc", "#abc fck=20@Kopie gamma_c=1.5@EC2"},
  };
  for (const Case& c : cases) {
    TestDatabase db(kStandard, kUser);
    const auto handler = db.Open();
    ASSERT_TRUE(CopyObject(*handler, Path("C20/25"), {"Kopie", c.priorityText, c.intoUserFile}));
    EXPECT_EQ(Describe(*handler, "Kopie"), c.expected) << c.intoUserFile;
    EXPECT_EQ(Get(*handler, "Kopie").inUserFile, c.intoUserFile);
  }
}

// Every inherited element is copied whole, also one that the object's own element of that short
// name overrides.
TEST(ObjectActions, CopyCreatesTheMissingLevelsWithOnlyTheirNames)
{
  TestDatabase db(kStandard, MaterialFile(R"(<Kategorie Name="Holz"/>)"));
  const auto handler = db.Open();
  ASSERT_TRUE(CopyObject(*handler, Path("C30/37"), {"Kopie", "", true}));
  EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(handler->UserFile())), R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
<Kategorie Name="Holz"/><Kategorie Name="Beton">
    <Unterkategorie Name="Normalbeton">
      <Norm Name="EC2">
        <Objekt Name="Kopie">
          <Eigenschaft Kurzname="fck" Wert01="30"/>
          <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
          <Eigenschaft Kurzname="gamma_c" Wert01="1.5" Einheit="-"/>
        </Objekt>
      </Norm>
    </Unterkategorie>
  </Kategorie></Materialdatei>
)");
}

TEST(ObjectActions, CopyIntoAFileThatDidNotOpenCreatesNothing)
{
  TestDatabase db("<broken", kUser);
  const auto handler = db.Open();
  const std::string before = QODOM_SerializeDoc(QODOM_GetDocument(handler->UserFile()));
  EXPECT_FALSE(CopyObject(*handler, Path("C20/25"), {"Kopie", "", false}));
  EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(handler->UserFile())), before);
}

TEST(ObjectActions, PriorityAndDeleteOnOneDatabase)
{
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  // The proposal follows the highest listed priority.
  EXPECT_EQ(ProposedCopyPriority(*handler, Path(""), {"C20/25", "C30/37", "C35/45"}), 4);
  EXPECT_EQ(ProposedCopyPriority(*handler, Path(""), {"C35/45", "Eigen"}), 0);  // none has one
  SetObjectPriority(*handler, Path("C35/45"), 12);
  EXPECT_EQ(Describe(*handler, "C35/45"), "#12 fck=35@C35/45 gamma_c=1.5@EC2");

  // Deleting needs the right, forgets the cached object and leaves the levels above, also empty.
  for (auto [qorMode, objekt, mayDelete] :
       {std::tuple{false, "C20/25", false}, {false, "Eigen", true}, {true, "C20/25", true}}) {
    ObjectPath path = Path(objekt);
    EXPECT_EQ(MayDelete(*handler, path, qorMode), mayDelete) << objekt << " " << qorMode;
  }
  EXPECT_EQ(Describe(*handler, "Eigen"), "");  // found and cached
  DeleteObject(*handler, Path("Eigen"));
  EXPECT_EQ(Get(*handler, "Eigen").objectElement, 0u);
  EXPECT_NE(QODOM_SerializeDoc(QODOM_GetDocument(handler->UserFile())).find(R"(<Norm Name="EC2"></Norm>)"),
            std::string::npos);
}

TEST(ObjectActions, PriorityTextReadsAsTheFieldReadsIt)
{
  const std::pair<const char*, std::optional<int>> cases[] = {
      {" 12 ", 12},
      {"7 und mehr", 7},
      {"-5", -5},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"-1", std::nullopt},  // the field's "nothing read"
      {"99999999999", std::nullopt},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ReadPriorityText(text), expected) << '"' << text << '"';
}
