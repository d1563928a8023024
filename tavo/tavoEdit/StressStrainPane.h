#pragma once
// The stress-strain diagram beside the property grid: the laws that apply to the shown object,
// drawn from the values the grid shows after its recomputation, redrawn on every edit. Objects
// whose parameters fit no law hide it; a law the object lacks a parameter for is named with that
// parameter instead of a curve. The curves come from the material library, the drawing from
// CCurveChart.

#include "tavo/material/StressStrainLaws.h"

#include <QWidget>

#include <string>

class CCurveChart;
class CEditorPrompts;
class CTavoGrid;
class QChart;
class QLabel;

class CStressStrainPane : public QWidget {
  Q_OBJECT

 public:
  CStressStrainPane(CEditorPrompts& prompts, QWidget* parent = nullptr);

  // Draws the laws of the parameters' kinds; hidden when there are none.
  void ShowParameters(const CMaterialParameters& parameters);
  // The grid's rows as parameters: Kurzname, Wert (a decimal comma read as a point), Einheit.
  void ShowGrid(CTavoGrid& grid);

  // The diagram as a picture; an empty text when written, the reason otherwise.
  std::string ExportPng(const std::string& path);
  std::string ExportSvg(const std::string& path);

  QChart* Chart() const;
  const std::vector<StressStrainCurve>& Curves() const { return m_curves; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void SizeForExport();
  void Export(bool svg);

  CEditorPrompts& m_prompts;
  CCurveChart* m_view = nullptr;
  QLabel* m_readout = nullptr;   // the point under the mouse
  QLabel* m_problems = nullptr;  // the laws that cannot be drawn, and why
  std::vector<StressStrainCurve> m_curves;
};

// Puts the grid (or `gridSide`, the widget that holds it) and a diagram that follows the grid side
// by side; returns the splitter that holds them.
QWidget* WithStressStrainPane(CTavoGrid* grid, CEditorPrompts& prompts, QWidget* parent, QWidget* gridSide = nullptr);
