#include "tavo/tavoEdit/StressStrainPane.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/CurveChart.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QGraphicsLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSplitter>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

QString Tr(const char* text)
{
  return QString::fromStdString(Translate(text));
}

QString ProblemText(const StressStrainLaw& law, const ParameterProblem& problem)
{
  const char* templates[] = {
      "%1: %2 fehlt",
      "%1: %2 ist keine Zahl („%3“)",
      "%1: %2 ist nicht positiv (%3)",
      "%1: die Einheit „%3“ von %2 ist unbekannt",
      "%1: die Parameter ergeben keine Kurve",
  };
  // Not every text names all three; QString::arg would warn about the ones it lacks.
  return Tr(templates[problem.kind])
      .replace("%1", Tr(law.title))
      .replace("%2", QString::fromStdString(problem.name))
      .replace("%3", QString::fromStdString(problem.text));
}

}  // namespace

// --- construction ---

CStressStrainPane::CStressStrainPane(CEditorPrompts& prompts, QWidget* parent) : QWidget(parent), m_prompts(prompts)
{
  setObjectName("paneStressStrain");
  m_view = new CCurveChart(this);
  m_view->setObjectName("chartStressStrain");
  m_readout = new QLabel(this);
  m_readout->setObjectName("lblCurveReadout");
  m_problems = new QLabel(this);
  m_problems->setObjectName("lblCurveProblems");
  m_problems->setWordWrap(true);
  m_problems->setStyleSheet("color: #a00000");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view, 1);
  layout->addWidget(m_readout);
  layout->addWidget(m_problems);
  setMinimumWidth(300);
  connect(m_view, &CCurveChart::hovered, m_readout, &QLabel::setText);
}

// --- public operations ---

void CStressStrainPane::ShowParameters(const CMaterialParameters& parameters)
{
  m_curves.clear();
  m_readout->clear();
  QStringList problems;
  std::vector<NamedCurve> named;
  for (const StressStrainLaw* law : LawsOfKinds(parameters)) {
    DrawnLaw drawn = DrawLaw(*law, parameters);
    if (!drawn.curve) {
      problems << ProblemText(*law, drawn.problem);
      continue;
    }
    named.push_back({*drawn.curve, Tr(law->title)});
    m_curves.push_back(std::move(*drawn.curve));
  }
  m_problems->setText(problems.join('\n'));
  m_problems->setVisible(!problems.isEmpty());
  setVisible(!LawsOfKinds(parameters).empty());
  m_view->ShowCurves(named);
}

void CStressStrainPane::ShowGrid(CTavoGrid& grid)
{
  CMaterialParameters parameters;
  for (int row = 1; row < grid.GetRowCount(); ++row) {
    std::string value = grid.GetCellText(row, CTavoGrid::kColWert);
    std::replace(value.begin(), value.end(), ',', '.');  // as the grid stores it
    parameters.Set(grid.GetCellText(row, CTavoGrid::kColKurzname), value,
                   grid.GetCellText(row, CTavoGrid::kColEinheit));
  }
  ShowParameters(parameters);
}

std::string CStressStrainPane::ExportPng(const std::string& path)
{
  SizeForExport();
  if (m_view->grab().save(QString::fromStdString(path), "PNG"))
    return {};
  return path + ": " + Translate("das Bild kann nicht geschrieben werden");
}

std::string CStressStrainPane::ExportSvg(const std::string& path)
{
  SizeForExport();
  QSvgGenerator svg;
  svg.setFileName(QString::fromStdString(path));
  svg.setSize(m_view->size());
  svg.setViewBox(m_view->rect());
  svg.setTitle(m_view->chart()->title());
  QPainter painter;
  if (!painter.begin(&svg))
    return path + ": " + Translate("das Bild kann nicht geschrieben werden");
  m_view->render(&painter);
  painter.end();
  return {};
}

QChart* CStressStrainPane::Chart() const
{
  return m_view->chart();
}

// --- handlers and hooks ---

void CStressStrainPane::contextMenuEvent(QContextMenuEvent* event)
{
  QMenu menu(this);
  QAction* png = menu.addAction(Tr("Als PNG speichern..."));
  QAction* svg = menu.addAction(Tr("Als SVG speichern..."));
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == png || chosen == svg)
    Export(chosen == svg);
}

// --- private helpers ---

void CStressStrainPane::SizeForExport()
{
  if (m_view->isVisible())
    return;
  // A diagram that is not on screen has no size of its own, and lays itself out only later.
  m_view->resize(720, 480);
  m_view->chart()->resize(m_view->size());
  m_view->chart()->layout()->activate();
}

void CStressStrainPane::Export(bool svg)
{
  const auto path = m_prompts.AskSaveFile(this, Translate("Diagramm speichern"), svg ? "diagramm.svg" : "diagramm.png",
                                          svg ? Translate("SVG-Bilder (*.svg)") : Translate("PNG-Bilder (*.png)"));
  if (!path)
    return;
  const std::string error = svg ? ExportSvg(*path) : ExportPng(*path);
  if (!error.empty())
    m_prompts.Ask(this, error, CEditorPrompts::Buttons::Ok, false);
}

// --- the hook into the editor ---

QWidget* WithStressStrainPane(CTavoGrid* grid, CEditorPrompts& prompts, QWidget* parent, QWidget* gridSide)
{
  auto* splitter = new QSplitter(Qt::Horizontal, parent);
  splitter->setObjectName("splitGridDiagram");
  auto* pane = new CStressStrainPane(prompts, splitter);
  splitter->addWidget(gridSide ? gridSide : grid);
  splitter->addWidget(pane);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({800, 560});
  splitter->setChildrenCollapsible(false);
  pane->hide();
  QObject::connect(grid, &CTavoGrid::valuesShown, pane, [grid, pane] { pane->ShowGrid(*grid); });
  return splitter;
}
