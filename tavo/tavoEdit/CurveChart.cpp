#include "tavo/tavoEdit/CurveChart.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

// --- construction ---

CCurveChart::CCurveChart(QWidget* parent) : QChartView(new QChart, parent)
{
  setRenderHint(QPainter::Antialiasing);
  setContextMenuPolicy(Qt::NoContextMenu);  // the owner's menu
  chart()->legend()->setAlignment(Qt::AlignBottom);
  QFont legendFont = chart()->legend()->font();
  legendFont.setPointSizeF(legendFont.pointSizeF() * 0.9);
  chart()->legend()->setFont(legendFont);
  connect(chart(), &QChart::plotAreaChanged, this, &CCurveChart::PlaceLabels);
}

// --- public operations ---

void CCurveChart::ShowCurves(const std::vector<NamedCurve>& curves, bool labelMarks)
{
  QChart* chart = this->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes())
    chart->removeAxis(axis);

  double maxStrain = 0, maxStress = 0;
  for (const NamedCurve& named : curves) {
    const StressStrainCurve& curve = named.curve;
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
  for (const NamedCurve& curve : curves)
    AddCurve(curve);
  LabelMarks(labelMarks ? curves : std::vector<NamedCurve>{});
}

// --- private helpers ---

void CCurveChart::AddCurve(const NamedCurve& named)
{
  const StressStrainCurve& curve = named.curve;
  QChart* chart = this->chart();
  const auto attach = [chart](QXYSeries* series) {
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes())
      series->attachAxis(axis);
  };
  auto* line = new QLineSeries;
  line->setName(named.name);
  for (const CurvePoint& point : curve.points)
    line->append(point.strain, point.stress);
  attach(line);
  QPen pen = line->pen();
  pen.setWidthF(2);
  line->setPen(pen);
  const QString title = line->name();
  connect(line, &QLineSeries::hovered, this, [this, title](const QPointF& point, bool state) {
    if (state)
      emit hovered(QString::fromUtf8("%1: ε = %2 ‰, σ = %3 N/mm²")
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

void CCurveChart::LabelMarks(const std::vector<NamedCurve>& curves)
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
  for (std::size_t i = 0; i < curves.size(); ++i) {
    for (const CurveMark& mark : curves[i].curve.marks) {
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
  const auto* y = static_cast<QValueAxis*>(chart()->axes(Qt::Vertical).front());
  const auto* x = static_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).front());
  const auto pointJustAbove = [&](const QPointF& point) {
    return std::any_of(labels.begin(), labels.end(), [&](const Label& other) {
      const double dy = other.point.y() - point.y();
      return std::abs(other.point.x() - point.x()) < 0.02 * x->max() && dy > 0 && dy < 0.1 * y->max();
    });
  };
  for (const Label& label : labels) {
    auto* item = new QGraphicsSimpleTextItem(label.texts.join(", "), chart());
    item->setZValue(10);
    m_labels.push_back({item, label.point, label.curve % 2 == 1 || pointJustAbove(label.point)});
  }
  PlaceLabels();
}

void CCurveChart::PlaceLabels()
{
  for (const MarkLabel& label : m_labels) {
    const QPointF position = chart()->mapToPosition(label.at);
    const double height = label.item->boundingRect().height();
    label.item->setPos(position.x() + 6, label.below ? position.y() + 4 : position.y() - height - 4);
  }
}
