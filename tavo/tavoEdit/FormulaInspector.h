#pragma once
// The formula inspector under the grid: for the formula row the user works in, the short names
// its formula uses with their current values and the row and level each comes from, the names
// that resolve to nothing, and what the evaluation reported. Hidden for any other row.

#include "tavo/material/FormulaInspection.h"

#include <QWidget>

class QLabel;
class QTableWidget;

class CFormulaInspector : public QWidget {
  Q_OBJECT

 public:
  explicit CFormulaInspector(QWidget* parent = nullptr);

  // Shows the inspection; hides the inspector when it has no formula.
  void Show(const FormulaInspection& inspection);

  QTableWidget* Names() const { return m_names; }
  QLabel* Problems() const { return m_problems; }

 private:
  QLabel* m_title = nullptr;
  QTableWidget* m_names = nullptr;
  QLabel* m_problems = nullptr;  // unresolved names and warnings
};
