#pragma once
// The compare view: the chosen objects side by side as a matrix of their effective values (with
// formula, unit and the level each comes from in the tooltip), differing rows highlighted, rows
// that only some objects have marked; and their stress-strain curves on one diagram. Read-only:
// it looks at the documents through the material library's object view.

#include "tavo/material/CompareMatrix.h"

#include <QDialog>

class CCurveChart;
class CTavoHandler;
class QComboBox;
class QListWidget;
class QTabWidget;
class QTableWidget;

class CCompareDlg : public QDialog {
  Q_OBJECT

 public:
  CCompareDlg(const CTavoHandler& handler, QWidget* parent = nullptr);

  // The objects offered, each checked; the checked ones are compared.
  void SetObjects(const std::vector<CMaterialPath>& objects);
  // Adds an object (checked) unless it is offered already.
  void AddObject(const CMaterialPath& object);
  // Reads the checked objects anew from the documents.
  void Refresh();

  const CompareMatrix& Matrix() const { return m_matrix; }
  QTableWidget* Table() const { return m_table; }
  QListWidget* Objects() const { return m_objects; }
  CCurveChart* Chart() const { return m_chart; }
  QComboBox* Law() const { return m_law; }

  // Background of a row whose values differ, and of a cell whose object lacks the row.
  static const QColor kDiffers;
  static const QColor kMissing;

 private:
  void FillTable(const std::vector<ObjectView>& views);
  // Offers the laws of the objects' kinds (the first one chosen at first) and draws the chosen one.
  void OfferLaws();
  void DrawCurves();

  const CTavoHandler& m_handler;
  CompareMatrix m_matrix;
  QListWidget* m_objects = nullptr;
  QTabWidget* m_tabs = nullptr;
  QTableWidget* m_table = nullptr;
  CCurveChart* m_chart = nullptr;
  QComboBox* m_law = nullptr;  // the one law drawn for every object; "" = every law
  std::vector<ObjectView> m_views;
};
