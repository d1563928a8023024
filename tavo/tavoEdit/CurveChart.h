#pragma once
// A stress-strain diagram: curves of the material library drawn on labelled axes, their
// characteristic points marked and labelled, a legend, and the point under the mouse read out.
// The diagram beside the grid draws one object's laws with it, the compare view several objects'.

#include "tavo/material/StressStrainLaws.h"

#include <QChartView>
#include <QPointF>
#include <QString>

#include <vector>

class QGraphicsSimpleTextItem;

// A curve with the name the legend gives it.
struct NamedCurve {
  StressStrainCurve curve;
  QString name;
};

class CCurveChart : public QChartView {
  Q_OBJECT

 public:
  explicit CCurveChart(QWidget* parent = nullptr);

  // Replaces what the diagram shows; with labelMarks the characteristic points get their symbols.
  void ShowCurves(const std::vector<NamedCurve>& curves, bool labelMarks = true);

 signals:
  // The point under the mouse as a line of text ("name: ε = 2.000 ‰, σ = 20.0 N/mm²").
  void hovered(const QString& text);

 private:
  void AddCurve(const NamedCurve& curve);
  void LabelMarks(const std::vector<NamedCurve>& curves);
  void PlaceLabels();

  struct MarkLabel {
    QGraphicsSimpleTextItem* item;  // owned by the chart
    QPointF at;                     // the point it names, in the chart's values
    bool below;
  };
  std::vector<MarkLabel> m_labels;
};
