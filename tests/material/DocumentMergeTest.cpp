// The three-way merge as one table: each case edits the base text on both sides and says what the
// merge must hold (the base edited so), how many conflicts it reports and what the first names.
// Then the same merge of the file on disk into the document in memory.

#include "tavo/material/DiskMerge.h"
#include "tavo/material/DocumentDiff.h"
#include "tavo/material/DocumentMerge.h"
#include "tavo/outside/DocumentBase.h"
#include "tests/support/ParsedDocument.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// d follows from f and g; every value is at its fixed point.
const std::string kBase = R"(<M>
  <Kategorie Name="K" Prioritaet="0"><Unterkategorie Name="U" Prioritaet="0"><Norm Name="N" Prioritaet="0">
    <Eigenschaft Kurzname="g" Wert01="2"/>
    <Objekt Name="A" Prioritaet="0"><Eigenschaft Kurzname="f" Wert01="30" Einheit="MPa"/><Eigenschaft Kurzname="d" Formel="f/g" Wert01="15"/></Objekt>
    <Objekt Name="B" Prioritaet="1"><Eigenschaft Kurzname="f" Wert01="40"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
</M>
)";

// Replaces the first text of each pair by the second.
using Edit = std::pair<std::string, std::string>;
using Edits = std::vector<Edit>;

std::string Edited(std::string text, const Edits& edits)
{
  for (const auto& [from, to] : edits)
    text.replace(text.find(from), from.size(), to);  // throws when the table names a text that is not there
  return text;
}

// Wert01="from" becomes Wert01="to" at its first place: 2 is g, 30 A's f, 15 A's d, 40 B's f.
Edit V(const std::string& from, const std::string& to)
{
  return {"Wert01=\"" + from + "\"", "Wert01=\"" + to + "\""};
}
const Edit kG4 = V("2", "4"), kAf40 = V("30", "40"), kAf50 = V("30", "50"), kAd7 = V("15", "7.5"),
           kAd10 = V("15", "10"), kAd20 = V("15", "20"), kAd25 = V("15", "25"), kBf45 = V("40", "45"),
           kBf46 = V("40", "46");
const std::string kBf = R"(<Eigenschaft Kurzname="f" Wert01="40"/>)";
const std::string kF1 = R"(<Eigenschaft Kurzname="f" Wert01="1"/>)", kF2 = R"(<Eigenschaft Kurzname="f" Wert01="2"/>)";
const std::string kP = R"(<Eigenschaft Kurzname="p" Wert01="1"/>)", kQ = R"(<Eigenschaft Kurzname="q" Wert01="2"/>)";
const auto AfterBf = [](const std::string& properties) { return Edit{kBf, kBf + properties}; };
const Edit kAddC{"</Norm>", R"(<Objekt Name="C" Prioritaet="2">)" + kF1 + "</Objekt></Norm>"};
const Edit kAddC3{"</Norm>", R"(<Objekt Name="C" Prioritaet="3">)" + kF1 + "</Objekt></Norm>"};
const Edit kDropB{R"(<Objekt Name="B" Prioritaet="1">)" + kBf + "</Objekt>", ""};
const Edit kB5{R"(Prioritaet="1")", R"(Prioritaet="5")"}, kB7{R"(Prioritaet="1")", R"(Prioritaet="7")"};
const Edit kDropUnit{R"( Einheit="MPa")", ""}, kKn{"MPa", "kN"}, kN{"MPa", "N/mm2"};
const Edit kAddK2{"</M>", R"(<Kategorie Name="K2"><Unterkategorie Name="U"><Norm Name="N"><Objekt Name="X"/>)"
                          R"(</Norm></Unterkategorie></Kategorie></M>)"};
const Edit kBfNone{kBf, R"(<Eigenschaft Kurzname="f"/>)"}, kCrLf{"\n", "\r\n"};
const Edit kRelaidA{R"(<Objekt Name="A" Prioritaet="0">)", "<Objekt\n   Prioritaet='0' Name='A'>"};

struct MergeCase {
  const char* name;
  Edits ours, theirs, expected;
  int conflicts;
  const char* firstConflict = "";  // "path attribute: base|ours|theirs", "-" for absent
  bool takeTheirs = false;         // the side chosen for every conflict
};

const MergeCase kCases[] = {
    {"NothingChanged", {}, {}, {}, 0},
    {"TheirsValueTakenAndRecalculated", {}, {kAf40, kAd20}, {kAf40, kAd20}, 0},
    {"IdenticalEditsOnce", {kBf45}, {kBf45}, {kBf45}, 0},
    {"DifferentObjects", {kBf45}, {kKn}, {kBf45, kKn}, 0},
    {"SameObjectOtherAttributes", {kAf50, kAd25}, {kN}, {kAf50, kN, kAd25}, 0},
    {"SameAttributeConflictKeepsOurs", {kBf45}, {kBf46}, {kBf45}, 1, "K/U/N/B [f] Wert01: 40|45|46"},
    {"TheirsRemovedValueChosen", {kBf45}, {kBfNone}, {kBfNone}, 1, "K/U/N/B [f] Wert01: 40|45|-", true},
    {"DerivedValuesRecalculatedNotConflicting", {kAf40, kAd20}, {kG4, kAd7}, {kG4, kAf40, kAd10}, 0},
    {"TheirsAddsObject", {}, {kAddC}, {kAddC}, 0},
    {"OursAddsObject", {kAddC}, {}, {kAddC}, 0},
    {"BothAddSameObject", {kAddC}, {kAddC}, {kAddC}, 0},
    {"BothAddObjectDifferently", {kAddC}, {kAddC3}, {kAddC}, 1, "K/U/N/C Prioritaet: -|2|3"},
    {"TheirsRemovesObject", {}, {kDropB}, {kDropB}, 0},
    {"BothRemoveObject", {kDropB}, {kDropB}, {kDropB}, 0},
    {"TheirsRemovesWhatOursChanged", {kBf45}, {kDropB}, {kBf45}, 1},
    {"OursRemovesWhatTheirsChanged", {kDropB}, {kBf45}, {kDropB}, 1},
    {"TheirsMovesInPriority", {}, {kB7}, {kB7}, 0},
    {"BothMoveDifferently", {kB5}, {kB7}, {kB5}, 1},
    {"TheirsDeletesAttribute", {}, {kDropUnit}, {kDropUnit}, 0},
    {"DeleteAgainstChangeConflicts", {kDropUnit}, {kKn}, {kDropUnit}, 1},
    {"LevelOnlyInTheirs", {}, {kAddK2}, {kAddK2}, 0},
    {"LevelOnlyInOursStays", {kAddK2}, {kBf45}, {kAddK2, kBf45}, 0},
    {"BothAddProperties", {AfterBf(kP)}, {AfterBf(kQ)}, {AfterBf(kP + kQ)}, 0},
    {"LayoutOfOursIsNoChange", {kRelaidA, kCrLf}, {kBf45}, {kBf45}, 0},
    {"SecondPropertyOfSameNameByOrder", {AfterBf(kF1)}, {AfterBf(kF2)}, {AfterBf(kF1)}, 1},
};

class DocumentMergeTest : public testing::TestWithParam<MergeCase> {};

TEST_P(DocumentMergeTest, MergesAsTheTableSays)
{
  const MergeCase& c = GetParam();
  const ParsedDoc base(kBase), ours(Edited(kBase, c.ours)), theirs(Edited(kBase, c.theirs));
  const ParsedDoc expected(Edited(kBase, c.expected));
  const std::string oursBefore = ours.Text();

  const MergePlan plan = PlanMerge(ReadTree(base.root), ReadTree(ours.root), ReadTree(theirs.root));
  ApplyMerge(plan, std::vector<bool>(plan.conflicts.size(), c.takeTheirs));

  ASSERT_EQ(static_cast<int>(plan.conflicts.size()), c.conflicts);
  if (*c.firstConflict) {
    const MergeConflict& first = plan.conflicts[0];
    EXPECT_EQ(PathText(first.path) + " " + first.attribute + ": " + first.base.value_or("-") + "|" +
                  first.ours.value_or("-") + "|" + first.theirs.value_or("-"),
              c.firstConflict);
  }
  EXPECT_EQ(DiffText(DiffDocuments(ReadTree(expected.root), ReadTree(ours.root))), "");
  if (plan.steps.empty() && plan.recalculate.empty() && !c.takeTheirs) {  // nothing taken: OURS stays as it was
    EXPECT_EQ(ours.Text(), oursBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// In memory B's f became 45; on disk someone else made the edits.
struct DiskMergeCase {
  const char* name;
  Edits disk;
  std::vector<bool> takeTheirs;
  std::size_t conflicts;
  std::string af, bf;  // Wert01 of A's f and of B's f in memory afterwards
};

const DiskMergeCase kDiskCases[] = {
    {"OtherPropertiesBothKept", {V("30", "35")}, {}, 0, "35", "45"},
    {"ConflictKeepsOursByDefault", {kBf46}, {}, 1, "30", "45"},
    {"ConflictTheirsChosen", {kBf46}, {true}, 1, "30", "46"},
};

// The base as the file m.xml, opened as the editor opens it.
struct OpenedFile {
  TestFolder folder;
  std::string path = folder.Write("m.xml", kBase), error;
  QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
  ~OpenedFile() { QODOM_CloseDoc(root); }

  // The property f of the object.
  QODOM_ELEMENT F(const char* objekt) const
  {
    QODOM_ELEMENT element = root;
    for (const char* name : {"K", "U", "N", objekt})
      element = QODOM_FindFirstChildWithAttr(element, "Name", name);
    return QODOM_GetFirstChildElement(element);
  }
};

class DiskMergeTest : public testing::TestWithParam<DiskMergeCase> {};

TEST_P(DiskMergeTest, MergesTheDiskIntoMemoryAndCountsAsSaved)
{
  const DiskMergeCase& c = GetParam();
  const OpenedFile file;
  const QODOM_DOCUMENT document = QODOM_GetDocument(file.root);
  ASSERT_TRUE(QODOM_RememberBase(document));
  QODOM_SetString(file.F("B"), "Wert01", "45");       // our edit in memory
  file.folder.Write("m.xml", Edited(kBase, c.disk));  // someone else saves
  ASSERT_TRUE(QODOM_ChangedOnDisk(document));

  CDiskMerge merge(file.root);
  ASSERT_EQ(merge.Error(), "");
  EXPECT_EQ(merge.Conflicts().size(), c.conflicts);
  EXPECT_EQ(QODOM_GetString(file.F("B"), "Wert01"), std::string("45"));  // planning changes nothing
  ASSERT_TRUE(merge.Apply(c.takeTheirs));
  EXPECT_EQ(QODOM_GetString(file.F("A"), "Wert01"), c.af);
  EXPECT_EQ(QODOM_GetString(file.F("B"), "Wert01"), c.bf);
  EXPECT_FALSE(QODOM_ChangedOnDisk(document));  // a save now overwrites nothing unseen
  EXPECT_EQ(*QODOM_GetBase(document), ReadFile(file.path));
}

INSTANTIATE_TEST_SUITE_P(Cases, DiskMergeTest, testing::ValuesIn(kDiskCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiskMerge, RefusesWithoutBaseOrReadableDisk)
{
  const OpenedFile file;
  EXPECT_NE(CDiskMerge(file.root).Error().find("was not kept"), std::string::npos);
  ASSERT_TRUE(QODOM_RememberBase(QODOM_GetDocument(file.root)));
  file.folder.Write("m.xml", "<M><unclosed></M>");
  CDiskMerge malformed(file.root);
  EXPECT_NE(malformed.Error().find("m.xml:1:"), std::string::npos) << malformed.Error();
  EXPECT_FALSE(malformed.Apply());
  file.folder.Write("m.xml", "<Other/>");
  EXPECT_NE(CDiskMerge(file.root).Error().find("no versions of one file"), std::string::npos);
}

}  // namespace
