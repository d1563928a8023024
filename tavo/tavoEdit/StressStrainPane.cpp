#include "tavo/tavoEdit/StressStrainPane.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QScatterSeries>
#include <QSplitter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

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
  m_view = new QChartView(new QChart, this);
  m_view->setObjectName("chartStressStrain");
  m_view->setRenderHint(QPainter::Antialiasing);
  m_view->setContextMenuPolicy(Qt::NoContextMenu);  // the pane's own menu
  m_view->chart()->legend()->setAlignment(Qt::AlignBottom);
  QFont legendFont = m_view->chart()->legend()->font();
  legendFont.setPointSizeF(legendFont.pointSizeF() * 0.9);
  m_view->chart()->legend()->setFont(legendFont);
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
  connect(m_view->chart(), &QChart::plotAreaChanged, this, &CStressStrainPane::PlaceLabels);
}

// --- public operations ---

void CStressStrainPane::ShowParameters(const CMaterialParameters& parameters)
{
  QChart* chart = m_view->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes())
    chart->removeAxis(axis);
  m_curves.clear();
  m_readout->clear();

  QStringList problems;
  for (const StressStrainLaw* law : LawsOfKinds(parameters)) {
    DrawnLaw drawn = DrawLaw(*law, parameters);
    if (drawn.curve)
      m_curves.push_back(std::move(*drawn.curve));
    else
      problems << ProblemText(*law, drawn.problem);
  }
  m_problems->setText(problems.join('\n'));
  m_problems->setVisible(!problems.isEmpty());
  setVisible(!LawsOfKinds(parameters).empty());

  double maxStrain = 0, maxStress = 0;
  for (const StressStrainCurve& curve : m_curves) {
    maxStrain = std::max(maxStrain, curve.points.back().strain);
    for (const CurvePoint& point : curve.points)
      maxStress = std::max(maxStress, point.stress);
    if (curve.reference)
      maxStress = std::max(maxStress, curve.reference->stress);
  }
  auto* x = new QValueAxis;
  x->setTitleText(QString::fromUtf8("ε [‰]"));
  x->setRange(0, maxStrain > 0 ? maxStrain * 1.15 : 1);  // room for the labels of the end points
  x->applyNiceNumbers();
  auto* y = new QValueAxis;
  y->setTitleText(QString::fromUtf8("σ [N/mm²]"));
  y->setRange(0, maxStress > 0 ? maxStress * 1.1 : 1);
  y->applyNiceNumbers();
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (const StressStrainCurve& curve : m_curves)
    AddCurve(curve);
  LabelMarks();
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

void CStressStrainPane::AddCurve(const StressStrainCurve& curve)
{
  QChart* chart = m_view->chart();
  const auto attach = [chart](QXYSeries* series) {
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes())
      series->attachAxis(axis);
  };
  auto* line = new QLineSeries;
  line->setName(Tr(curve.law->title));
  for (const CurvePoint& point : curve.points)
    line->append(point.strain, point.stress);
  attach(line);
  QPen pen = line->pen();
  pen.setWidthF(2);
  line->setPen(pen);
  const QString title = line->name();
  connect(line, &QLineSeries::hovered, this, [this, title](const QPointF& point, bool state) {
    if (state)
      m_readout->setText(QString::fromUtf8("%1: ε = %2 ‰, σ = %3 N/mm²")
                             .arg(title, QString::number(point.x(), 'f', 3), QString::number(point.y(), 'f', 1)));
  });

  // The characteristic points of a curve as one series; the legend shows only the curves.
  auto* dots = new QScatterSeries;
  dots->setMarkerSize(9);
  dots->setColor(line->color());
  dots->setBorderColor(line->color());
  for (const CurveMark& mark : curve.marks)
    dots->append(mark.strain, mark.stress);
  attach(dots);
  chart->legend()->markers(dots).front()->setVisible(false);
  if (curve.reference) {
    auto* reference = new QLineSeries;
    reference->setName(QString::fromStdString(curve.reference->label) + " = " +
                       QString::number(curve.reference->stress) + " N/mm²");
    reference->append(0, curve.reference->stress);
    reference->append(curve.points.back().strain, curve.reference->stress);
    QPen dashed(line->color(), 1.5, Qt::DashLine);
    reference->setPen(dashed);
    attach(reference);
  }
}

void CStressStrainPane::LabelMarks()
{
  for (const MarkLabel& label : m_labels)
    delete label.item;
  m_labels.clear();
  // Marks of several curves at one point share a label, so that neighbouring corners of two
  // curves stay readable.
  struct Label {
    QPointF point;
    QStringList texts;
    std::size_t curve;
  };
  std::vector<Label> labels;
  for (std::size_t i = 0; i < m_curves.size(); ++i) {
    for (const CurveMark& mark : m_curves[i].marks) {
      const QPointF point(mark.strain, mark.stress);
      const auto same = std::find_if(labels.begin(), labels.end(), [&](const Label& label) {
        return std::abs(label.point.x() - point.x()) < 1e-9 && std::abs(label.point.y() - point.y()) < 1e-9;
      });
      const std::size_t index = same - labels.begin();
      if (same == labels.end())
        labels.push_back({point, {}, i});
      Label& label = labels[index];
      if (!label.texts.contains(QString::fromStdString(mark.label)))
        label.texts << QString::fromStdString(mark.label);
    }
  }
  // A label goes below its point for every other curve, and when another point lies just above.
  const auto* y = static_cast<QValueAxis*>(m_view->chart()->axes(Qt::Vertical).front());
  const auto* x = static_cast<QValueAxis*>(m_view->chart()->axes(Qt::Horizontal).front());
  const auto pointJustAbove = [&](const QPointF& point) {
    return std::any_of(labels.begin(), labels.end(), [&](const Label& other) {
      const double dy = other.point.y() - point.y();
      return std::abs(other.point.x() - point.x()) < 0.02 * x->max() && dy > 0 && dy < 0.1 * y->max();
    });
  };
  for (const Label& label : labels) {
    auto* item = new QGraphicsSimpleTextItem(label.texts.join(", "), m_view->chart());
    item->setZValue(10);
    m_labels.push_back({item, label.point, label.curve % 2 == 1 || pointJustAbove(label.point)});
  }
  PlaceLabels();
}

void CStressStrainPane::PlaceLabels()
{
  for (const MarkLabel& label : m_labels) {
    const QPointF position = m_view->chart()->mapToPosition(label.at);
    const double height = label.item->boundingRect().height();
    label.item->setPos(position.x() + 6, label.below ? position.y() + 4 : position.y() - height - 4);
  }
}

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

QWidget* WithStressStrainPane(CTavoGrid* grid, CEditorPrompts& prompts, QWidget* parent)
{
  auto* splitter = new QSplitter(Qt::Horizontal, parent);
  splitter->setObjectName("splitGridDiagram");
  auto* pane = new CStressStrainPane(prompts, splitter);
  splitter->addWidget(grid);
  splitter->addWidget(pane);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({800, 560});
  splitter->setChildrenCollapsible(false);
  pane->hide();
  QObject::connect(grid, &CTavoGrid::valuesShown, pane, [grid, pane] { pane->ShowGrid(*grid); });
  return splitter;
}
