// The three-way merge as one table: each case edits the base text on both sides and says what the
// merge must hold (the base edited so), how many conflicts it reports and what the first names.

#include "tavo/material/DocumentDiff.h"
#include "tavo/material/DocumentMerge.h"
#include "tests/support/ParsedDocument.h"

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

// Replaces the first text of each pair by the second.
using Edit = std::pair<std::string, std::string>;
using Edits = std::vector<Edit>;

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

// Wert01="from" becomes Wert01="to" at its first place: 2 is g, 30 A's f, 15 A's d, 40 B's f.
Edit V(const std::string& from, const std::string& to)
{
  return {"Wert01=\"" + from + "\"", "Wert01=\"" + to + "\""};
}
const Edit kG4 = V("2", "4"), kAf40 = V("30", "40"), kAf50 = V("30", "50"), kAd7 = V("15", "7.5"),
           kAd10 = V("15", "10"), kAd20 = V("15", "20"), kAd25 = V("15", "25"), kBf45 = V("40", "45"),
           kBf46 = V("40", "46");
const std::string kBf = R"(<Eigenschaft Kurzname="f" Wert01="40"/>)";
const Edit kAddC{"</Norm>",
                 R"(<Objekt Name="C" Prioritaet="2"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)"};
const Edit kAddC3{"</Norm>",
                  R"(<Objekt Name="C" Prioritaet="3"><Eigenschaft Kurzname="f" Wert01="1"/></Objekt></Norm>)"};
const Edit kDropB{"<Objekt Name=\"B\" Prioritaet=\"1\">\n          " + kBf + "\n        </Objekt>", ""};
const Edit kB5{R"(Prioritaet="1")", R"(Prioritaet="5")"}, kB7{R"(Prioritaet="1")", R"(Prioritaet="7")"};
const Edit kDropUnit{R"( Einheit="MPa")", ""}, kKn{"MPa", "kN"}, kN{"MPa", "N/mm2"};
const Edit kAddK2{
    "</M>",
    R"(<Kategorie Name="K2"><Unterkategorie Name="U"><Norm Name="N"><Objekt Name="X"/></Norm></Unterkategorie></Kategorie></M>)"};
const Edit kBp{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/>)"},
    kBq{kBf, kBf + R"(<Eigenschaft Kurzname="q" Wert01="2"/>)"};
const Edit kBpq{kBf, kBf + R"(<Eigenschaft Kurzname="p" Wert01="1"/><Eigenschaft Kurzname="q" Wert01="2"/>)"};
const Edit kBf1{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="1"/>)"},
    kBf2{kBf, kBf + R"(<Eigenschaft Kurzname="f" Wert01="2"/>)"};
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
    {"BothAddProperties", {kBp}, {kBq}, {kBpq}, 0},
    {"LayoutOfOursIsNoChange", {kRelaidA, kCrLf}, {kBf45}, {kBf45}, 0},
    {"SecondPropertyOfSameNameByOrder", {kBf1}, {kBf2}, {kBf1}, 1},
};

std::string ConflictText(const MergeConflict& conflict)
{
  return PathText(conflict.path) + " " + conflict.attribute + ": " + conflict.base.value_or("-") + "|" +
         conflict.ours.value_or("-") + "|" + conflict.theirs.value_or("-");
}

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
    EXPECT_EQ(ConflictText(plan.conflicts[0]), c.firstConflict);
  }
  EXPECT_EQ(DiffText(DiffDocuments(ReadTree(expected.root), ReadTree(ours.root))), "");
  if (plan.steps.empty() && plan.recalculate.empty() && !c.takeTheirs) {  // nothing taken: OURS stays as it was
    EXPECT_EQ(ours.Text(), oursBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
