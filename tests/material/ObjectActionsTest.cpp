// Copy, delete and priority on a small database in temporary files, without a window.

#include "tavo/material/ObjectActions.h"

#include "tavo/material/Vocabulary.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

// A code with a property of its own and three objects of priority 0, 3 and none; the user file
// holds an object of its own and an unrelated category.
const std::string kStandard =
    MaterialFile(R"(<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
<Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
<Objekt Name="C20/25" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="20"/></Objekt>
<Objekt Name="C30/37" Prioritaet="3"><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt>
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

// The object's rows as "Kurzname=Wert01@Knoten", and its Prioritaet as "#text" when it has one.
std::string Describe(CTavoHandler& handler, ObjectPath path)
{
  CTavoObj object;
  handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
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
    EXPECT_EQ(Describe(*handler, Path("Kopie")), c.expected) << c.intoUserFile;
    CTavoObj copy;
    std::string name = "Kopie";
    handler->GetObj(copy, "Beton", "Normalbeton", "EC2", name);
    EXPECT_EQ(copy.inUserFile, c.intoUserFile);
  }
}

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

TEST(ObjectActions, ProposedPriorityFollowsTheHighestListed)
{
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  EXPECT_EQ(ProposedCopyPriority(*handler, Path(""), {"C20/25", "C30/37", "C35/45"}), 4);
  EXPECT_EQ(ProposedCopyPriority(*handler, Path(""), {"C35/45", "Eigen"}), 0);  // none has one
}

TEST(ObjectActions, DeleteNeedsTheRightAndForgetsTheCachedObject)
{
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  struct Case {
    bool qorMode;
    std::string objekt;
    bool mayDelete;
  };
  for (const Case& c : {Case{false, "C20/25", false}, Case{false, "Eigen", true}, Case{true, "C20/25", true}}) {
    ObjectPath path = Path(c.objekt);
    EXPECT_EQ(MayDelete(*handler, path, c.qorMode), c.mayDelete) << c.objekt << " " << c.qorMode;
  }

  EXPECT_EQ(Describe(*handler, Path("Eigen")), "");  // found and cached
  DeleteObject(*handler, Path("Eigen"));
  CTavoObj gone;
  std::string name = "Eigen";
  handler->GetObj(gone, "Beton", "Normalbeton", "EC2", name);
  EXPECT_EQ(gone.objectElement, 0u);
  // The levels above stay, also when they are now empty.
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

TEST(ObjectActions, SetPriorityWritesTheObjectsPrioritaet)
{
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  SetObjectPriority(*handler, Path("C35/45"), 12);
  EXPECT_EQ(Describe(*handler, Path("C35/45")), "#12 fck=35@C35/45 gamma_c=1.5@EC2");
}
