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

// Edits of the base, named by what they do: kBf45 sets B's f to 45.
using Edit = std::pair<std::string, std::string>;
const std::string kA = R"(<Objekt Name="A" Prioritaet="0">)";
const std::string kAf = R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="MPa"/>)";
const std::string kAd = R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="15"/>)";
const std::string kB = R"(<Objekt Name="B" Prioritaet="1">)";
const std::string kBf = R"(<Eigenschaft Kurzname="f" Wert01="40"/>)";
const std::string kBBlock = kB + "\n          " + kBf + "\n        </Objekt>";
const std::string kC = R"(<Objekt Name="C" Prioritaet="2"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)";
const std::string kK2 =
    R"(<Kategorie Name="K2"><Unterkategorie Name="U"><Norm Name="N"><Objekt Name="X"/></Norm></Unterkategorie></Kategorie></M>)";
const Edit kAf40{kAf, R"(<Eigenschaft Kurzname="f" Wert01="40" Einheit="MPa"/>)"};
const Edit kAd20{kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="20"/>)"};
const Edit kBf45{kBf, R"(<Eigenschaft Kurzname="f" Wert01="45"/>)"};
const Edit kBf46{kBf, R"(<Eigenschaft Kurzname="f" Wert01="46"/>)"};
const Edit kAfKn{kAf, R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="kN"/>)"};
const Edit kAddC{"</Norm>", kC};
const Edit kAddC3{"</Norm>",
                  R"(<Objekt Name="C" Prioritaet="3"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)"};
const Edit kDropB{kBBlock, ""};
const Edit kB5{kB, R"(<Objekt Name="B" Prioritaet="5">)"}, kB7{kB, R"(<Objekt Name="B" Prioritaet="7">)"};
const Edit kDropUnit{R"( Einheit="MPa")", ""};
const Edit kAddK2{"</M>", kK2};
const Edit kBp{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/>)"},
    kBq{kBf, kBf + R"(<Eigenschaft Kurzname="q" Wert01="2"/>)"};
const Edit kBpq{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/><Eigenschaft Kurzname="q" Wert01="2"/>)"};
const Edit kBf1{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="1"/>)"},
    kBf2{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="2"/>)"};
const Edit kAf50{kAf, R"(<Eigenschaft Kurzname="f" Wert01="50" Einheit="MPa"/>)"};
const Edit kAfN{kAf, R"(<Eigenschaft Kurzname="f" Wert01="30" Einheit="N/mm2"/>)"};
const Edit kAf50N{kAf, R"(<Eigenschaft Kurzname="f" Wert01="50" Einheit="N/mm2"/>)"};
const Edit kAd25{kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="25"/>)"};
const Edit kAd7{kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="7.5"/>)"};
const Edit kAd10{kAd, R"(<Eigenschaft Kurzname="d" Formel="f/g" Wert01="10"/>)"};
const Edit kG4{R"(Wert01="2")", R"(Wert01="4")"};

struct MergeCase {
  const char* name;
  Edits ours, theirs, expected;
  int conflicts;
};

const MergeCase kCases[] = {
    {"NothingChanged", {}, {}, {}, 0},
    {"TheirsValueTakenAndRecalculated", {}, {kAf40, kAd20}, {kAf40, kAd20}, 0},
    {"IdenticalEditsOnce", {kBf45}, {kBf45}, {kBf45}, 0},
    {"DifferentObjects", {kBf45}, {kAfKn}, {kBf45, kAfKn}, 0},
    {"SameObjectOtherAttributes", {kAf50, kAd25}, {kAfN}, {kAf50N, kAd25}, 0},
    {"SameAttributeConflictKeepsOurs", {kBf45}, {kBf46}, {kBf45}, 1},
    {"DerivedValuesRecalculatedNotConflicting", {kAf40, kAd20}, {kG4, kAd7}, {kG4, kAf40, kAd10}, 0},
    {"TheirsAddsObject", {}, {kAddC}, {kAddC}, 0},
    {"OursAddsObject", {kAddC}, {}, {kAddC}, 0},
    {"BothAddSameObject", {kAddC}, {kAddC}, {kAddC}, 0},
    {"BothAddObjectDifferently", {kAddC}, {kAddC3}, {kAddC}, 1},
    {"TheirsRemovesObject", {}, {kDropB}, {kDropB}, 0},
    {"BothRemoveObject", {kDropB}, {kDropB}, {kDropB}, 0},
    {"TheirsRemovesWhatOursChanged", {kBf45}, {kDropB}, {kBf45}, 1},
    {"OursRemovesWhatTheirsChanged", {kDropB}, {kBf45}, {kDropB}, 1},
    {"TheirsMovesInPriority", {}, {kB7}, {kB7}, 0},
    {"BothMoveDifferently", {kB5}, {kB7}, {kB5}, 1},
    {"TheirsDeletesAttribute", {}, {kDropUnit}, {kDropUnit}, 0},
    {"DeleteAgainstChangeConflicts", {kDropUnit}, {{R"(Einheit="MPa")", R"(Einheit="kN")"}}, {kDropUnit}, 1},
    {"LevelOnlyInTheirs", {}, {kAddK2}, {kAddK2}, 0},
    {"LevelOnlyInOursStays", {kAddK2}, {kBf45}, {kAddK2, kBf45}, 0},
    {"BothAddProperties", {kBp}, {kBq}, {kBpq}, 0},
    {"LayoutOfOursIsNoChange", {{kA, "<Objekt\n   Prioritaet='0' Name='A'>"}, {"\n", "\r\n"}}, {kBf45}, {kBf45}, 0},
    {"SecondPropertyOfSameNameByOrder", {kBf1}, {kBf2}, {kBf1}, 1},
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
  const QODOM_ELEMENT base = Parse(kBase), ours = Parse(Edited(kBase, {kBf45}));
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
