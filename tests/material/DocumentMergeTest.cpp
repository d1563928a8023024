// The three-way merge as one table: each case edits the base text on both sides and says what the
// merge must hold (the base edited so) and how many conflicts it reports.

#include "tavo/material/DocumentDiff.h"
#include "tavo/material/DocumentMerge.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// d follows from f and g; every value is at its fixed point.
const std::string kBase = R"(<M>
  <Kategorie Name="K" Prioritaet="0">
    <Unterkategorie Name="U" Prioritaet="0">
      <Norm Name="N" Prioritaet="0">
        <Eigenschaft Kurzname="g" Wert01="2"/>
        <Objekt Name="A" Prioritaet="0">
          <Eigenschaft Kurzname="f" Wert01="30" Einheit="MPa"/>
          <Eigenschaft Kurzname="d" Formel="f/g" Wert01="15"/>
        </Objekt>
        <Objekt Name="B" Prioritaet="1">
          <Eigenschaft Kurzname="f" Wert01="40"/>
        </Objekt>
      </Norm>
    </Unterkategorie>
  </Kategorie>
</M>
)";

using Edits = std::vector<std::pair<std::string, std::string>>;

std::string Edited(std::string text, const Edits& edits)
{
  for (const auto& [from, to] : edits) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
      text.replace(at, from.size(), to);
  }
  return text;
}

const std::string kA = R"(<Objekt Name="A" Prioritaet="0">)";
const std::string kAf = R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="MPa"/>)";
const std::string kAd = R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="15"/>)";
const std::string kB = R"(<Objekt Name="B" Prioritaet="1">)";
const std::string kBf = R"(<Eigenschaft Kurzname="f" Wert01="40"/>)";
const std::string kBBlock = kB + "\n          " + kBf + "\n        </Objekt>";
const std::string kEnd = "</Norm>";
const std::string kC = R"(<Objekt Name="C" Prioritaet="2"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)";
const std::string kK2 =
    R"(<Kategorie Name="K2"><Unterkategorie Name="U"><Norm Name="N"><Objekt Name="X"/></Norm></Unterkategorie></Kategorie></M>)";

struct MergeCase {
  const char* name;
  Edits ours, theirs, expected;
  int conflicts;
};

const MergeCase kCases[] = {
    {"NothingChanged", {}, {}, {}, 0},
    {"TheirsValueTakenAndRecalculated",
     {},
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="40" Einheit="MPa"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="20"/>)"}},
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="40" Einheit="MPa"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="20"/>)"}},
     0},
    {"IdenticalEditsOnce",
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     0},
    {"DifferentObjects",
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="kN"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"},
      {kAf, R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="kN"/>)"}},
     0},
    {"SameObjectOtherAttributes",
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="50" Einheit="MPa"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="25"/>)"}},
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="N/mm2"/>)"}},
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="50" Einheit="N/mm2"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="25"/>)"}},
     0},
    {"SameAttributeConflictKeepsOurs",
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="46"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     1},
    {"DerivedValuesRecalculatedNotConflicting",
     {{kAf, R"(<Eigenschaft Kurzname="f" Wert01="40" Einheit="MPa"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="20"/>)"}},
     {{R"(Wert01="2")", R"(Wert01="4")"}, {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="7.5"/>)"}},
     {{R"(Wert01="2")", R"(Wert01="4")"},
      {kAf, R"(<Eigenschaft Kurzname="f" Wert01="40" Einheit="MPa"/>)"},
      {kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="10"/>)"}},
     0},
    {"TheirsAddsObject", {}, {{kEnd, kC}}, {{kEnd, kC}}, 0},
    {"OursAddsObject", {{kEnd, kC}}, {}, {{kEnd, kC}}, 0},
    {"BothAddSameObject", {{kEnd, kC}}, {{kEnd, kC}}, {{kEnd, kC}}, 0},
    {"BothAddObjectDifferently",
     {{kEnd, kC}},
     {{kEnd, R"(<Objekt Name="C" Prioritaet="3"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)"}},
     {{kEnd, kC}},
     1},
    {"TheirsRemovesObject", {}, {{kBBlock, ""}}, {{kBBlock, ""}}, 0},
    {"OursRemovesObject", {{kBBlock, ""}}, {}, {{kBBlock, ""}}, 0},
    {"BothRemoveObject", {{kBBlock, ""}}, {{kBBlock, ""}}, {{kBBlock, ""}}, 0},
    {"TheirsRemovesWhatOursChanged",
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBBlock, ""}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     1},
    {"OursRemovesWhatTheirsChanged",
     {{kBBlock, ""}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBBlock, ""}},
     1},
    {"TheirsMovesInPriority",
     {},
     {{kB, R"(<Objekt Name="B" Prioritaet="7">)"}},
     {{kB, R"(<Objekt Name="B" Prioritaet="7">)"}},
     0},
    {"BothMoveDifferently",
     {{kB, R"(<Objekt Name="B" Prioritaet="5">)"}},
     {{kB, R"(<Objekt Name="B" Prioritaet="7">)"}},
     {{kB, R"(<Objekt Name="B" Prioritaet="5">)"}},
     1},
    {"TheirsDeletesAttribute", {}, {{R"( Einheit="MPa")", ""}}, {{R"( Einheit="MPa")", ""}}, 0},
    {"DeleteAgainstChangeConflicts",
     {{R"( Einheit="MPa")", ""}},
     {{R"(Einheit="MPa")", R"(Einheit="kN")"}},
     {{R"( Einheit="MPa")", ""}},
     1},
    {"LevelOnlyInTheirs", {}, {{"</M>", kK2}}, {{"</M>", kK2}}, 0},
    {"LevelOnlyInOursStays",
     {{"</M>", kK2}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{"</M>", kK2}, {kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     0},
    {"BothAddProperties",
     {{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/>)"}},
     {{kBf, kBf + R"(<Eigenschaft Kurzname="q" Wert01="2"/>)"}},
     {{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/><Eigenschaft Kurzname="q" Wert01="2"/>)"}},
     0},
    {"LayoutOfOursIsNoChange",
     {{kA, "<Objekt\n   Prioritaet='0' Name='A'>"}, {"\n", "\r\n"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}},
     0},
    {"SecondPropertyOfSameNameByOrder",
     {{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="1"/>)"}},
     {{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="2"/>)"}},
     {{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="1"/>)"}},
     1},
};

class DocumentMergeTest : public testing::TestWithParam<MergeCase> {};

QODOM_ELEMENT Parse(const std::string& text)
{
  std::string error;
  const QODOM_ELEMENT root = QODOM_ParseDoc(text, "", error);
  EXPECT_NE(root, 0u) << error;
  return root;
}

TEST_P(DocumentMergeTest, MergesAsTheTableSays)
{
  const MergeCase& c = GetParam();
  const QODOM_ELEMENT base = Parse(kBase), ours = Parse(Edited(kBase, c.ours)), theirs = Parse(Edited(kBase, c.theirs));
  const QODOM_ELEMENT expected = Parse(Edited(kBase, c.expected));
  const std::string oursBefore = QODOM_SerializeDoc(QODOM_GetDocument(ours));

  const MergePlan plan = PlanMerge(ReadTree(base), ReadTree(ours), ReadTree(theirs));
  ApplyMerge(plan);

  EXPECT_EQ(static_cast<int>(plan.conflicts.size()), c.conflicts);
  EXPECT_EQ(DiffText(DiffDocuments(ReadTree(expected), ReadTree(ours))), "");
  if (plan.steps.empty() && plan.recalculate.empty()) {  // nothing to take: OURS stays byte for byte
    EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(ours)), oursBefore);
  }
  for (QODOM_ELEMENT root : {base, ours, theirs, expected})
    QODOM_CloseDoc(root);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentMerge, ConflictNamesPathAttributeAndTheThreeTexts)
{
  const QODOM_ELEMENT base = Parse(kBase),
                      ours = Parse(Edited(kBase, {{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"}}));
  const QODOM_ELEMENT theirs = Parse(Edited(kBase, {{kBf, R"(<Eigenschaft Kurzname="f"/>)"}}));
  const MergePlan plan = PlanMerge(ReadTree(base), ReadTree(ours), ReadTree(theirs));
  ASSERT_EQ(plan.conflicts.size(), 1u);
  const MergeConflict& conflict = plan.conflicts[0];
  EXPECT_EQ(PathText(conflict.path) + " " + conflict.attribute, "K/U/N/B [f] Wert01");
  EXPECT_EQ(conflict.base, "40");
  EXPECT_EQ(conflict.ours, "45");
  EXPECT_EQ(conflict.theirs, std::nullopt);
  ApplyMerge(plan, {true});  // THEIRS' side: the attribute goes
  EXPECT_EQ(QODOM_HasAttr(FindElement(ours, conflict.path), "Wert01"), false);
  for (QODOM_ELEMENT root : {base, ours, theirs})
    QODOM_CloseDoc(root);
}

}  // namespace
