// The diagram beside the grid follows every edit with the values the grid shows.

#include "EditorTestSupport.h"

#include "tavo/tavoEdit/StressStrainPane.h"
#include "tests/support/TestFiles.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>

namespace {

const std::string kStandard = R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_c" Wert01="1.5" Einheit="-"/>
    <Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="" Einheit="N/mm²"/>
    <Eigenschaft Kurzname="n" Wert01="2" Einheit="-"/>
    <Eigenschaft Kurzname="eps_c2" Wert01="2" Einheit="‰"/>
    <Eigenschaft Kurzname="eps_cu2" Wert01="3.5" Einheit="‰"/>
    <Objekt Name="C30/37" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="30" Einheit="N/mm²"/></Objekt>
    <Objekt Name="Leichtbau" Prioritaet="1"><Eigenschaft Kurzname="rho" Wert01="1800"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
</Materialdatei>
)";

// The top of the parabola-rectangle curve as the chart holds it.
double ParabolaTop(const CStressStrainPane& pane)
{
  double top = -1;
  for (QAbstractSeries* series : pane.Chart()->series())
    if (auto* line = qobject_cast<QLineSeries*>(series); line && line->name() == "Parabel-Rechteck")
      for (const QPointF& point : line->points())
        top = std::max(top, point.y());
  return top;
}

}  // namespace

TEST_F(EditorTest, DiagramFollowsTheGridAndNamesWhatItLacks)
{
  StartValues start;
  start.qorMode = true;
  start.objekt = "C30/37";
  Open(start, kStandard, UserFixture());
  auto* pane = m_dialog->findChild<CStressStrainPane*>("paneStressStrain");
  ASSERT_NE(pane, nullptr);
  auto* problems = pane->findChild<QLabel*>("lblCurveProblems");
  EXPECT_FALSE(pane->isHidden());
  EXPECT_DOUBLE_EQ(ParabolaTop(*pane), 20);
  const TestFolder folder;
  EXPECT_EQ(pane->ExportSvg(folder.Path("c30.svg")), "");
  EXPECT_NE(ReadFile(folder.Path("c30.svg")).find("Parabel-Rechteck"), std::string::npos);
  EXPECT_EQ(pane->ExportPng(folder.Path("c30.png")), "");
  EXPECT_NE(pane->ExportPng(folder.Path("nicht/da.png")), "");

  Edit("fck", CTavoGrid::kColWert, "45");
  ASSERT_EQ(Cell("fcd", CTavoGrid::kColWert), "30");
  EXPECT_DOUBLE_EQ(ParabolaTop(*pane), 30);

  Edit("eps_c2", CTavoGrid::kColWert, "zwei");
  EXPECT_EQ(ParabolaTop(*pane), -1);  // no curve drawn as if eps_c2 were 0
  EXPECT_NE(problems->text().toStdString().find("eps_c2 ist keine Zahl („zwei“)"), std::string::npos)
      << problems->text().toStdString();
  EXPECT_NE(problems->text().toStdString().find("eps_c3 fehlt"), std::string::npos);

  Choose(3, "Leichtbau");  // no parameter of any law
  EXPECT_TRUE(pane->isHidden());
}
