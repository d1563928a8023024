// Recalculating the whole database, and never overwriting a file someone else changed.

#include "tavo/material/DatabaseRecalc.h"

#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

const std::string kStandard = MaterialFile(R"(<Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="N">
  <Eigenschaft Kurzname="b" Formel="2*a" Wert01="2"/><Objekt Name="Eins"><Eigenschaft Kurzname="a" Wert01="1"/></Objekt>
  <Objekt Name="Drei"><Eigenschaft Kurzname="a" Wert01="3"/></Objekt></Norm></Unterkategorie></Kategorie>
)");

}  // namespace

TEST(DatabaseRecalc, SavesWhatChangedButNeverAFileChangedOnDisk)
{
  TestDatabase db(kStandard);
  const auto stale = db.Open();
  const std::string theirs = kStandard + "<!-- edited elsewhere -->\n";
  db.Folder().Write("standard.xml", theirs);
  DatabaseRecalcResult result = RecalculateDatabase(*stale, true);
  ASSERT_EQ(result.errors.size(), 1u);
  EXPECT_NE(result.errors[0].find(db.StandardPath()), std::string::npos) << result.errors[0];
  EXPECT_EQ(ReadFile(db.StandardPath()), theirs);

  result = RecalculateDatabase(*db.Open(), true);  // opened after the change
  EXPECT_EQ(result.objects, 2);
  EXPECT_EQ(result.changed, 1);  // Drei writes 6 into the code's b; Eins found 2 already there
  EXPECT_TRUE(result.errors.empty());
  EXPECT_NE(ReadFile(db.StandardPath()).find(R"(Formel="2*a" Wert01="6")"), std::string::npos);
  EXPECT_EQ(ReadFile(db.UserPath()), "");  // the empty user file did not change and stays unwritten
}
