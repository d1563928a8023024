// Material objects built from inline documents: inheritance, recalculation with write-back and
// priority (the flattening copy is tested through the copy into the user file).

#include "tavo/material/TavoObj.h"

#include "tavo/material/Vocabulary.h"
#include "tests/support/ParsedDocument.h"

#include <gtest/gtest.h>

#include <string>

using namespace vocabulary;

namespace {

constexpr const char* kConcrete = R"(<M><Eigenschaft Kurzname="gamma" Wert01="1.6"/>
<K Name="Beton"><U Name="Normalbeton"><N Name="EC2">
  <Eigenschaft Kurzname="gamma" Wert01="1.5"/><Eigenschaft Kurzname="fcd" Formel="fck/gamma" Wert01="20"/>
  <O Name="C30/37" Prioritaet="4"><Eigenschaft Kurzname="fck" Wert01="30"/><?Eigenschaft x?>
    <Eigenschaft Kurzname="gamma" Wert01="1.15"/><Eigenschaft Kurzname="fcd" Formel="" Wert01="1"/></O>
  <O Name="b"/><O Name="c" Prioritaet=""/><O Name="d" Prioritaet="-3"/><O Name="e" Prioritaet="70000"/>
</N></U></K></M>
)";

}  // namespace

TEST(TavoObj, FarthestLevelWinsElementsAreKeptChangedTextsWrittenBackAndPrioritiesRead)
{
  ParsedDoc doc(kConcrete);
  const QODOM_ELEMENT object = doc.Find({"Beton", "Normalbeton", "EC2", "C30/37"});
  const CTavoObj obj(object, true);

  // gamma stands at the object, the code and the root: the root's 1.6 wins. The code's formula
  // of fcd is kept although the object's own fcd has an empty one. An instruction named like a
  // property is none.
  EXPECT_EQ(obj.values.at("gamma"), "1.6");
  EXPECT_EQ(obj.formulas.at("fcd"), "fck/gamma");
  EXPECT_EQ(obj.formulas.size(), 1u);
  EXPECT_EQ(obj.values.at("fcd"), "18.75");
  ASSERT_EQ(obj.propertyElements.size(), 6u);
  EXPECT_EQ(QODOM_GetParentElement(obj.propertyElements[0]), object);
  EXPECT_EQ(QODOM_GetParentElement(obj.propertyElements[5]), doc.root);
  EXPECT_EQ(obj.objectElement, object);
  EXPECT_TRUE(obj.inUserFile);
  EXPECT_EQ(obj.priority, 4);

  // A changed text is written into every element of its short name.
  EXPECT_TRUE(obj.wroteBack);
  std::string written;  // Kurzname=Formel:Wert01 of every element, from the object up
  for (QODOM_ELEMENT row : obj.propertyElements)
    written += std::string(QODOM_GetString(row, kKurzname)) + "=" + QODOM_GetString(row, kFormel) + ":" +
               QODOM_GetString(row, kWert01) + " ";
  EXPECT_EQ(written, "fck=:30 gamma=:1.6 fcd=fck/gamma:18.75 gamma=:1.6 fcd=fck/gamma:18.75 gamma=:1.6 ");

  // A priority that is missing, empty or outside its range counts as missing.
  for (const char* name : {"b", "c", "d", "e"})
    EXPECT_EQ(CTavoObj(doc.Find({"Beton", "Normalbeton", "EC2", name}), false).priority, -1) << name;
}

TEST(TavoObj, FinalTextsLeaveTheDocumentUntouched)
{
  // Stored texts that already are the final ones, with a chain whose first pass differs.
  ParsedDoc doc(R"(<M><N><Eigenschaft Kurzname="a" Formel="b*2" Wert01="8"/>
  <Eigenschaft Kurzname="b" Formel="c + 1" Wert01="4"/><O Name="x"><Eigenschaft Kurzname="c" Wert01="3"/></O></N></M>)");
  const CFingerPrint before = QODOM_GetFingerPrint(doc.root);
  const std::string text = doc.Text();
  CTavoObj obj(QODOM_FindFirstChild(QODOM_FindFirstChild(doc.root, "N"), "O"), false);
  EXPECT_FALSE(obj.wroteBack);
  EXPECT_EQ(obj.values.at("a"), "8");
  EXPECT_TRUE(QODOM_GetFingerPrint(doc.root) == before);
  EXPECT_EQ(doc.Text(), text);

  // A stored 3.14159265 for a formula yielding that number is rewritten with six digits.
  const QODOM_ELEMENT b = obj.propertyElements[2];
  ASSERT_STREQ(QODOM_GetString(b, kKurzname), "b");
  QODOM_SetString(b, kWert01, "3.14159265");
  QODOM_SetString(b, kFormel, "3.14159265");
  EXPECT_TRUE(CTavoObj(obj.objectElement, false).wroteBack);
  EXPECT_STREQ(QODOM_GetString(b, kWert01), "3.14159");
}
