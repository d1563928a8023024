// The editor's looking tools driven by keyboard and mouse: the quick find, provenance and hints,
// the formula inspector, the compare view with its curves, the export, and the diagram beside the
// grid, which follows every edit with the values the grid shows.

#include "EditorTestSupport.h"

#include "tavo/tavoEdit/CompareDlg.h"
#include "tavo/tavoEdit/CurveChart.h"
#include "tavo/tavoEdit/FormulaInspector.h"
#include "tavo/tavoEdit/StressStrainPane.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// Two concrete classes with every parameter of the parabola-rectangle law, fcd from the code, and
// an object with no parameter of any law.
const std::string kCurves = MaterialFile(R"(
  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/><Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="20"/>
    <Eigenschaft Kurzname="n" Wert01="2"/><Eigenschaft Kurzname="eps_c2" Wert01="2"/><Eigenschaft Kurzname="eps_cu2" Wert01="3.5"/>
    <Objekt Name="C30/37" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt>
    <Objekt Name="C45/55" Prioritaet="1"><Eigenschaft Kurzname="fck" Wert01="45"/><Eigenschaft Kurzname="rho" Wert01="2500"/></Objekt>
    <Objekt Name="Leichtbau" Prioritaet="2"><Eigenschaft Kurzname="rho" Wert01="1800"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

class LookingEditorTest : public EditorTest {
 protected:
  QLineEdit* FindEdit() const { return Control<QLineEdit>("edtFind"); }
  QListWidget* Hits() const { return m_dialog->findChild<QListWidget*>("lstFindResults"); }
  std::string Hit(int line) const { return Hits()->item(line) ? Hits()->item(line)->text().toStdString() : ""; }
  void Type(const char* text)
  {
    FindEdit()->clear();
    QTest::keyClicks(FindEdit(), text);
  }
  // Presses the keys in the menu that the next action pops up.
  static void AnswerMenu(std::vector<Qt::Key> keys)
  {
    QTimer::singleShot(50, [keys] {
      QWidget* menu = QApplication::activePopupWidget();
      ASSERT_NE(menu, nullptr);
      for (Qt::Key key : keys)
        QTest::keyClick(menu, key);
    });
  }
  // The top of the parabola-rectangle curve as the chart holds it.
  static double ParabolaTop(const CStressStrainPane& pane)
  {
    double top = -1;
    for (QAbstractSeries* series : pane.Chart()->series())
      if (auto* line = qobject_cast<QLineSeries*>(series); line && line->name() == "Parabel-Rechteck")
        for (const QPointF& point : line->points())
          top = std::max(top, point.y());
    return top;
  }
  CFingerPrint Prints() const { return QODOM_GetFingerPrint(m_handler->StandardFile()); }
};

}  // namespace

TEST_F(LookingEditorTest, FindSelectsThroughTheListsOffersRecentObjectsAndGreysWhatIsLocked)
{
  Open();  // normal mode, C20/25 of the standard file
  auto* hint = m_dialog->findChild<QLabel*>("lblGridHint");
  EXPECT_NE(hint->text().toStdString().find("Kopie erstellen"), std::string::npos);
  m_dialog->show();
  m_dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
  QTest::keyClick(m_dialog.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(FindEdit()->hasFocus());
  Type("EIGEN");  // the object of the user file, case ignored
  ASSERT_TRUE(Hits()->isVisible());
  EXPECT_EQ(Hit(0), "Beton › Normalbeton › EC2 › Eigen    — Name (Objekt)");
  QTest::keyClick(FindEdit(), Qt::Key_Return);
  EXPECT_EQ(List(3)->currentText(), "Eigen");
  EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), "25");
  EXPECT_FALSE(Hits()->isVisible());
  EXPECT_TRUE(hint->isHidden());  // the user's own object can be changed
  EXPECT_TRUE(List(3)->itemIcon(List(3)->currentIndex()).cacheKey() != List(3)->itemIcon(0).cacheKey());

  Type("streckgr");  // a long name; picked by a click
  ASSERT_EQ(Hits()->count(), 1);
  QTest::mouseClick(Hits()->viewport(), Qt::LeftButton, {}, Hits()->visualItemRect(Hits()->item(0)).center());
  EXPECT_EQ(List(0)->currentText(), "Stahl");
  EXPECT_EQ(List(3)->currentText(), "S235");

  Type("zylinder");  // Down walks the hits: the second is C30/37's fck
  QTest::keyClick(FindEdit(), Qt::Key_Down);
  QTest::keyClick(FindEdit(), Qt::Key_Return);
  EXPECT_EQ(List(3)->currentText(), "C30/37");
  QTest::keyClick(FindEdit(), Qt::Key_Escape);
  EXPECT_TRUE(m_dialog->isVisible());  // Escape in the field never closes the editor

  FindEdit()->clear();
  FindEdit()->clearFocus();
  QTest::keyClick(m_dialog.get(), Qt::Key_F, Qt::ControlModifier);  // empty: the recent objects
  EXPECT_EQ(Hit(0), "Beton › Normalbeton › EC2 › C30/37    — zuletzt geöffnet");
  EXPECT_EQ(Hit(1), "Stahl › Baustahl › EC3 › S235    — zuletzt geöffnet");

  StartValues locked;  // a hit outside a locked list is greyed with the reason and not taken
  locked.kat = "Beton";
  Open(locked);
  Type("S235");
  ASSERT_EQ(Hits()->count(), 1);
  EXPECT_FALSE(Hits()->item(0)->flags() & Qt::ItemIsEnabled);
  EXPECT_NE(Hits()->item(0)->toolTip().toStdString().find("kat=Beton"), std::string::npos);
  QTest::keyClick(FindEdit(), Qt::Key_Return);
  EXPECT_EQ(List(0)->currentText(), "Beton");
}

TEST_F(LookingEditorTest, CompareAndExportFromTheObjectListAndTheButtonChangeNoDocument)
{
  StartValues start;
  start.objekt = "C45/55";
  Open(start, kCurves, "");
  const CFingerPrint before = Prints();
  m_dialog->show();
  AnswerMenu({Qt::Key_Down, Qt::Key_Return});  // the first entry: compare the code's objects
  emit List(3)->customContextMenuRequested(QPoint(5, 5));
  CCompareDlg* compare = m_dialog->CompareView();
  ASSERT_NE(compare, nullptr);
  QTableWidget* table = compare->Table();
  ASSERT_EQ(table->columnCount(), 4);
  // The rows' states are the compare matrix's; here they reach the table and its colours.
  EXPECT_EQ(table->item(0, 0)->text() + " " + table->item(0, 1)->text() + " " + table->item(0, 2)->text(), "fck 30 45");
  EXPECT_EQ(table->item(0, 1)->background(), CCompareDlg::kDiffers);
  EXPECT_NE(table->item(1, 1)->background(), CCompareDlg::kDiffers);  // gamma_c, the same in each
  EXPECT_EQ(table->item(table->rowCount() - 1, 1)->text(), "—");      // only the second object has rho
  const QList<QAbstractSeries*> series = compare->Chart()->chart()->series();
  EXPECT_EQ(std::count_if(series.begin(), series.end(), [](auto* s) { return qobject_cast<QLineSeries*>(s); }),
            2);  // parabola-rectangle of each object

  QTest::mouseClick(compare->Objects()->viewport(), Qt::LeftButton, {},
                    compare->Objects()->visualItemRect(compare->Objects()->item(1)).topLeft() + QPoint(8, 8));
  EXPECT_EQ(compare->Matrix().objects.size(), 2u);  // unchecked by a click on its box

  const TestFolder folder;
  m_prompts.saveFile = folder.Path("norm.csv");
  AnswerMenu({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});  // every object of the code
  QTest::mouseClick(Control<QPushButton>("btnExport"), Qt::LeftButton);
  // The file's layout is the export's; the code's level brings the objects not shown too.
  EXPECT_NE(ReadFile(folder.Path("norm.csv")).find("Beton/Normalbeton/EC2/C30/37,fck,"), std::string::npos);
  m_prompts.saveFile = folder.Path("fehlt/objekt.json");
  AnswerMenu({Qt::Key_Down, Qt::Key_Return});
  QTest::mouseClick(Control<QPushButton>("btnExport"), Qt::LeftButton);
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_NE(m_prompts.asked[0].find("fehlt/objekt.json"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.Path("fehlt"))));
  EXPECT_EQ(Prints(), before);
}

TEST_F(LookingEditorTest, DiagramAndInspectorFollowTheGridAndNameWhatTheyLack)
{
  StartValues start;
  start.qorMode = true;
  start.objekt = "C30/37";
  Open(start, kCurves, "");
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

  auto* inspector = m_dialog->findChild<CFormulaInspector*>("paneFormulaInspector");
  m_dialog->Grid()->SelectCell(Row("fcd"), CTavoGrid::kColFormel);  // a row of the code: three objects
  auto* hint = m_dialog->findChild<QLabel*>("lblGridHint");
  EXPECT_NE(hint->text().toStdString().find("gilt für 3 Objekte"), std::string::npos) << hint->text().toStdString();
  ASSERT_FALSE(inspector->isHidden());
  EXPECT_EQ(inspector->Names()->rowCount(), 2);  // fck and gamma_c
  EXPECT_EQ(inspector->Names()->item(1, 1)->text(), "1.5");
  Edit("fcd", CTavoGrid::kColFormel, "fck/gamma_x");
  EXPECT_NE(inspector->Problems()->text().toStdString().find("gamma_x"), std::string::npos);
  m_dialog->Grid()->SelectCell(Row("fck"), CTavoGrid::kColWert);
  EXPECT_TRUE(inspector->isHidden());

  Choose(3, "Leichtbau");  // no parameter of any law
  EXPECT_TRUE(pane->isHidden());
}
