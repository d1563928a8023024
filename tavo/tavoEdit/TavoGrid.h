#pragma once
// The property grid of the editor: one row per property of the shown object, sixteen columns,
// edit rights by mode and file, and formula rows that follow every edit.

#include "tavo/grid/QORGridCtrl.h"
#include "tavo/material/ObjectActions.h"
#include "tavo/material/ObjectView.h"
#include "tavo/material/PropertyRows.h"

class CTavoGrid : public CQORGridCtrl {
  Q_OBJECT

 public:
  enum Column {
    kColKurzname = 0,
    kColName = 1,
    kColTyp = 2,
    kColFormel = 3,
    kColWert = 4,  // Wert01; Wert02 to Wert09 follow in 5 to 12
    kColDim = 13,
    kColEinheit = 14,
    kColKnoten = 15,
    kColumnCount = 16,
  };

  explicit CTavoGrid(QWidget* parent = nullptr);

  // The row arrays the dialog fills and reads; entry i belongs to grid row i + 1.
  PropertyRows rows;
  bool qorMode = false;
  bool inUserFile = false;

  void InitGrid() override;
  void InitRow(int row) override;
  void OnCheckChanged(int row, int col) override;
  void OnCellChanged(int row, int col, int type) override;
  // false: the arrays into the cells; true: the cells into the arrays.
  virtual bool ExchangeRowData(bool saveAndValidate);

  // Where each row's element lies, entry i for grid row i + 1, shown as a badge with a tooltip in
  // the Kurzname column (TavoGridProvenance.cpp); empty: no badges.
  void SetProvenance(std::vector<ViewedRow> provenance);
  const std::vector<ViewedRow>& Provenance() const { return m_provenance; }
  // The focus cell's row; 0 when there is none.
  int FocusRow() const;

 protected:
  void DrawGrid(QPainter& painter) override;
  bool viewportEvent(QEvent* event) override;
  void OnFocusCellChanged(int row, int col) override;
  void OnEditStarted(int row, int col, int type) override;

 signals:
  // The rows were loaded or their formula rows recomputed: the values shown are current.
  void valuesShown();
  // The user changed a cell or a tick: the rows differ from the document until the next commit.
  void edited();
  // The focus cell moved to another row (0: none).
  void focusRowChanged(int row);
  // An edit of a cell of the row began.
  void rowEditStarted(int row);

 private:
  bool Editable() const { return CanEdit(qorMode, inUserFile); }
  void LoadRows();
  void CollectRows();
  // Recalculates the rows as they stand, formula rows included, and marks the value cell of each
  // formula row whose evaluation reported something; with writeValues, each formula row's value
  // cell gets its new value as well.
  void RecalculateRows(bool writeValues);

  std::vector<std::string> m_shownNames;  // the long names as shown at loading, translated
  std::vector<ViewedRow> m_provenance;
  int m_focusRow = 0;
};
