// Undo and redo of the editor's actions as steps over both documents, and what the journals
// report, on a small database without a window.

#include "tavo/material/ChangeReport.h"
#include "tavo/material/ChangeScope.h"
#include "tavo/material/ChangeStep.h"
#include "tavo/material/PropertyRows.h"
#include "tavo/material/Vocabulary.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vocabulary;

namespace {

// A code-level formula (fcd) and a stale value (C30/37's fcd is written back when it is viewed).
const std::string kStandard =
    MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
    <Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="13.3333"/>
    <Objekt Name="C20/25" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="20"/></Objekt>
    <Objekt Name="C30/37" Prioritaet="3"><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt>
    <Objekt Name="C35/45"><Eigenschaft Kurzname="fck" Wert01="35"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");
const std::string kUser = MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Objekt Name="Eigen"><Eigenschaft Kurzname="fck" Wert01="25"/><Eigenschaft Kurzname="x" Formel="2*fck" Wert01="50"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

const CopyTarget kKopie{"Kopie", "", true};  // into the user file
const auto Path = [](const std::string& objekt) { return ObjectPath{"Beton", "Normalbeton", "EC2", objekt}; };

// The grid's commit: the object's rows with one value changed, written back under its cause.
void EditValue(CTavoHandler& handler, const std::string& objekt, int row, const std::string& value)
{
  CTavoObj object;
  std::string name = objekt;
  handler.GetObj(object, "Beton", "Normalbeton", "EC2", name);
  PropertyRows rows;
  const std::vector<QODOM_ELEMENT> elements = LoadPropertyRows(object, rows);
  rows.wert[0][row] = value;
  const CChangeScope scope(ChangeKind::kGridEdit, PathText(Path(objekt)));
  StorePropertyRows(rows, elements);
}

struct Database {
  TestDatabase db{kStandard, kUser};
  std::unique_ptr<CTavoHandler> handler = db.Open();

  std::string Text() const
  {
    return QODOM_SerializeDoc(QODOM_GetDocument(handler->StandardFile())) + "\n---\n" +
           QODOM_SerializeDoc(QODOM_GetDocument(handler->UserFile()));
  }
  // Runs the action as one step.
  std::unique_ptr<CChangeStep> Step(const std::function<void(CTavoHandler&)>& action) const
  {
    auto step = std::make_unique<CChangeStep>(std::vector{handler->StandardFile(), handler->UserFile()});
    action(*handler);
    EXPECT_TRUE(step->Finish());
    return step;
  }
  std::vector<std::string> Objects() const { return handler->ListLevel({"Beton", "Normalbeton", "EC2"}); }
};

// "object|recalc: element attribute before>after" per line, "+element"/"-element" for elements.
std::string Report(QODOM_ELEMENT file)
{
  std::string text;
  for (const ChangeGroup& group : ChangesSinceSave(QODOM_GetDocument(file))) {
    text += group.object + (group.recalculation ? "|recalc:" : ":");
    for (const ChangeLine& line : group.lines)
      text += line.kind != ChangeLine::Kind::kAttribute
                  ? (line.kind == ChangeLine::Kind::kAdded ? " +" : " -") + line.element
                  : " " + line.element + " " + line.attribute + " " + line.before.value_or("?") + ">" +
                        line.after.value_or("?");
    text += "\n";
  }
  return text;
}

}  // namespace

TEST(ChangeStep, EveryActionUndoneAndRedoneByteForByte)
{
  const std::pair<const char*, std::function<void(CTavoHandler&)>> cases[] = {
      {"grid edit", [](CTavoHandler& h) { EditValue(h, "Eigen", 0, "30"); }},
      {"grid edit of an inherited row", [](CTavoHandler& h) { EditValue(h, "C20/25", 1, "1.4"); }},
      {"recalculation when viewing", [](CTavoHandler& h) { EditValue(h, "C30/37", 0, "30"); }},
      {"copy into the user file", [](CTavoHandler& h) { CopyObject(h, Path("C30/37"), kKopie); }},
      {"delete", [](CTavoHandler& h) { DeleteObject(h, Path("C30/37")); }},
      {"priority", [](CTavoHandler& h) { SetObjectPriority(h, Path("C35/45"), 7); }},
  };
  for (const auto& [name, action] : cases) {
    const Database d;
    const std::string before = d.Text();
    // The gaps of the list are C30/37's Prioritaet 3; a deleted object comes back in its place.
    const std::vector<std::string> listed = d.Objects();
    ASSERT_EQ(listed, (std::vector<std::string>{"C20/25", "", "", "C30/37", "C35/45", "Eigen"}));
    const auto step = d.Step(action);
    const std::string after = d.Text();
    ASSERT_NE(after, before) << name;
    step->Undo();
    EXPECT_EQ(d.Text(), before) << name;
    EXPECT_EQ(d.Objects(), listed) << name;
    ASSERT_TRUE(step->Redo()) << name;
    EXPECT_EQ(d.Text(), after) << name;
  }
}

TEST(ChangeStep, UndoBackToTheSavedStateAndRedoUntilAnotherChange)
{
  const Database d;
  const QODOM_ELEMENT user = d.handler->UserFile();
  d.Step([](CTavoHandler& h) { EditValue(h, "Eigen", 0, "30"); });
  ASSERT_TRUE(d.handler->SaveFile(user));
  const CFingerPrint saved = QODOM_GetFingerPrint(user);
  const auto second = d.Step([](CTavoHandler& h) { EditValue(h, "Eigen", 0, "40"); });
  EXPECT_NE(QODOM_GetFingerPrint(user), saved);
  EXPECT_EQ(Report(user), "Beton/Normalbeton/EC2/Eigen: fck Wert01 30>40\n");
  second->Undo();
  EXPECT_EQ(QODOM_GetFingerPrint(user), saved);
  EXPECT_EQ(Report(user), "");
  // A change after the undo replaces what was undone: no redo any more, not even once that change
  // is undone in turn and the journal stands where the undone step began.
  const auto third = d.Step([](CTavoHandler& h) { CopyObject(h, Path("Eigen"), kKopie); });
  const std::string now = d.Text();
  EXPECT_FALSE(second->Redo());
  EXPECT_EQ(d.Text(), now);
  third->Undo();
  EXPECT_FALSE(second->Redo());
}

TEST(ChangeStep, ReportGroupsByObjectWithRecalculationsApart)
{
  const Database d;
  // Each lookup of another object recalculates the code's fcd for it.
  d.Step([](CTavoHandler& h) { EditValue(h, "C30/37", 0, "30"); });
  const std::vector<RecalculatedValue> values = RecalculatedValues(QODOM_GetDocument(d.handler->StandardFile()));
  ASSERT_EQ(values.size(), 1u);
  const RecalculatedValue& v = values[0];
  EXPECT_EQ(v.path + ": " + v.kurzname + " " + v.attribute + " " + v.before + " " + v.after,
            "Beton/Normalbeton/EC2/C30/37: fcd Wert01 13.3333 20");
  d.Step([](CTavoHandler& h) { EditValue(h, "C20/25", 0, "25"); });
  d.Step([](CTavoHandler& h) { CopyObject(h, Path("C35/45"), {"K", "5", false}); });
  d.Step([](CTavoHandler& h) { SetObjectPriority(h, Path("C20/25"), 4); });
  d.Step([](CTavoHandler& h) { DeleteObject(h, Path("C30/37")); });
  EXPECT_EQ(Report(d.handler->StandardFile()),
            "Beton/Normalbeton/EC2/C20/25: fck Wert01 20>25 Objekt C20/25 Prioritaet 0>4\n"
            "Beton/Normalbeton/EC2/C35/45: +Objekt K\n"
            "Beton/Normalbeton/EC2/C30/37: -Objekt C30/37\n"
            "Beton/Normalbeton/EC2/C30/37|recalc: fcd Wert01 13.3333>20\n"
            "Beton/Normalbeton/EC2/C20/25|recalc: fcd Wert01 20>16.6667\n"
            "Beton/Normalbeton/EC2/C35/45|recalc: fcd Wert01 13.3333>23.3333\n");
}
