#pragma once
// A dialog around a property-style grid, driven by real key and mouse events.
#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "tavo/grid/QORGridCtrl.h"

// Records every hook call that the tests look at.
class CRecordingGrid : public CQORGridCtrl {
 public:
  using CQORGridCtrl::CQORGridCtrl;

  struct Call {
    std::string hook;
    int row;
    int col;
    friend bool operator==(const Call&, const Call&) = default;
  };
  std::vector<Call> calls;
  std::vector<int> initRows;

  int Count(const std::string& hook) const;
  void OnCheckChanged(int row, int col) override { calls.push_back({"OnCheckChanged", row, col}); }
  void OnCellChanged(int row, int col, int) override { calls.push_back({"OnCellChanged", row, col}); }
  void OnCellClicked(int row, int col) override { calls.push_back({"OnCellClicked", row, col}); }
  void InitRow(int row) override { initRows.push_back(row); }
};

// A click instead of a key in a walk: on the step's cell `at`, or on its focus cell.
inline constexpr QKeyCombination kClick = Qt::Key_unknown;

// Columns of the test grid: 0 "Kurz" text, 1 "Typ" check box, 2 "Formel" read-only text,
// 3 "Dim" hidden text, 4 "Wert" text. Rows: header row 0 and data rows 1 to 3. Tab order of the
// dialog: edtBefore ("vorher"), the grid, btnNoText (empty text), btnAfter ("Weiter").
class GridDialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Click(int row, int col, Qt::MouseButton button = Qt::LeftButton) { ClickAt(CellCentre(row, col), button); }
  void ClickAt(const QPoint& point, Qt::MouseButton button = Qt::LeftButton)
  {
    QTest::mouseClick(grid->viewport(), button, Qt::NoModifier, point);
  }
  QPoint CellCentre(int row, int col) const { return grid->GetCellRect(row, col).center(); }
  // Puts the keyboard focus into the grid on the cell, with no editor open.
  void FocusCell(int row, int col);
  // Sends the key to whichever widget has the keyboard focus, as a keyboard would.
  void Key(QKeyCombination key);
  void Type(const QString& text);
  QString Text(int row, int col) const { return grid->GetItemText(row, col); }
  QString FocusName() const;
  QLineEdit* Editor() const { return grid->GetInPlaceEdit(); }

  // One step of a walk and what must hold after it.
  struct Step {
    QKeyCombination key;
    CCellID focus;
    bool editing;
    const char* focusedWidget;
    const char* text = nullptr;  // of the open editor, else of the focus cell; nullptr: not checked
    CCellID at = {};
  };
  void Walk(const std::vector<Step>& steps);

  std::unique_ptr<QDialog> dialog;
  QLineEdit* before = nullptr;
  CRecordingGrid* grid = nullptr;
  QPushButton* after = nullptr;
};
