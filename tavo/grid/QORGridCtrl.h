#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "tavo/grid/GridCtrl.h"

// The grid an engineering input table stands on: typed cells kept in per-cell records, column
// widths as proportions with hideable columns, grey read-only cells, a current-row highlight,
// keyboard-focus hand-over to the other controls of the dialog, and hooks through which a
// subclass learns of every user action. Texts at this interface are UTF-8.
//
// Implementation split: QORGridCtrl.cpp (set-up, cells, columns, commits), QORGridCtrlFocus.cpp
// (Tab hand-over, focus arrival and loss, SelectCell), QORGridCtrlMarks.cpp (marked cells).
class CQORGridCtrl : public CGridCtrl {
  Q_OBJECT

 public:
  // The typed record of one cell; the map key is row * 65536 + column.
  struct cellInfo {
    int row = -1;
    int col = -1;
    int type = 0;
  };
  enum CellType { kCellText = 0, kCellCheck = 3 };
  static constexpr GridColour kWhite = GridRgb(255, 255, 255);
  static constexpr GridColour kReadOnlyColour = GridRgb(224, 224, 224);
  static constexpr GridColour kHighlightColour = GridRgb(128, 192, 255);
  static constexpr GridColour kHighlightReadOnlyColour = GridRgb(120, 160, 200);
  // A marked cell, in any row: a cell whose content the owner wants looked at.
  static constexpr GridColour kMarkedColour = GridRgb(255, 204, 188);

  explicit CQORGridCtrl(QWidget* parent = nullptr);
  ~CQORGridCtrl() override;

  // Builds the grid: the parent's font, no frame, white data cells, the counts, Enter acting as
  // Tab, no range selection and no header tracking; InitRow for every data row.
  void SetupGrid(int rows, int cols, int fixedRows, int fixedCols);
  // Changes the row count: records of removed rows go, every new data row passes InitRow, and a
  // change refits the columns. The current count changes nothing.
  void SetRowCount(int rows);
  int GetRowCount() const { return CGridCtrl::GetRowCount(); }
  // Type 0 (plain text, no record) or 3 (check box, read-only grey cell); returns the type after.
  int SetCellType(int row, int col, int type);
  int GetCellType(int row, int col) const;
  void SetCellText(int row, int col, const std::string& text);
  // Ends any edit first; a cell with a record (a check box) gives an empty text.
  std::string GetCellText(int row, int col);
  // Ends any edit first; false for every cell but a check box.
  bool GetCheck(int row, int col);
  // Only for check boxes; calls no hook. Returns the previous state.
  bool SetCheck(int row, int col, bool checked);
  // A check box is disabled; any other cell turns grey and read-only, or white and plain.
  void SetCellReadOnly(int row, int col, bool readOnly);
  void SetColumnWeight(int col, int weight);
  void SetColumnVisible(int col, bool visible, bool refit = true);
  bool IsColumnVisible(int col) const;
  // Widths by weight over the client width, hidden columns 0, the last visible column widened.
  void FitColumns();
  void SetHeaderText(int row, int col, const std::string& text);
  void Redraw(bool erase = true);
  // Colours the row as the current one (-1: none), restoring the previous row's colours.
  void HighlightRow(int row);
  int GetHighlightedRow() const { return m_highlightedRow; }
  // Marks a data cell with the tint of kMarkedColour and a tooltip that shows the text whenever
  // the pointer rests on it; an empty text removes the mark. Marks go with their rows.
  void SetCellMark(int row, int col, const std::string& tip);
  std::string GetCellMark(int row, int col) const;
  // Takes the keyboard focus and makes the cell the focus cell ((-1, -1): none).
  void SelectCell(int row, int col);

  // Another grid tells this one that the focus arrives by Shift+Tab.
  void SetEnteredBackwards(bool backwards) { m_enteredBackwards = backwards; }
  bool HasFocusState() const { return m_hasFocusState; }

  // Checks the records against their keys and cells; the reason goes to problem.
  bool CheckCellRecords(std::string* problem = nullptr) const;
  int CellRecordCount() const { return int(m_records.size()); }

  // Hooks of the base grid with this grid's behaviour.
  bool StartCellEdit(int row, int col, const QPoint& point, int firstChar) override;
  void FinishCellEdit(int row, int col, const QString& text) override;
  bool TabOutOfGrid(int row, int col, bool backwards) override;
  void OnRightButtonUp(Qt::KeyboardModifiers modifiers, const QPoint& point) override;

  // New hooks; all do nothing but OnEditStarted, which makes the cell the focus cell.
  virtual void InitGrid();
  virtual void OnCellChanged(int row, int col, int type);
  virtual void OnEditStarted(int row, int col, int type);
  virtual void OnCellClicked(int row, int col);
  virtual void InitRow(int row);
  virtual void OnMenuCommand(int row, int col, int id);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool viewportEvent(QEvent* event) override;

  CCellID FirstEditableCell() const;
  CCellID LastEditableCell() const;

 private:
  static long long RecordKey(int row, int col) { return static_cast<long long>(row) * 65536 + col; }
  const cellInfo* FindRecord(int row, int col) const;
  // The background a cell has outside the highlighted row: marked, grey or white.
  GridColour RestingColour(int row, int col, bool readOnly) const;
  // The next control of the dialog's tab order with a text (a grid always counts); null if none.
  QWidget* NextTabControl(bool backwards) const;

  std::unordered_map<long long, std::unique_ptr<cellInfo>> m_records;
  std::unordered_map<long long, std::string> m_marks;  // key as m_records; the tooltip text
  int m_rowCount = -1;
  int m_highlightedRow = -1;
  std::vector<int> m_weights;
  std::vector<int> m_visible;
  bool m_initialised = false;
  bool m_hasFocusState = false;
  bool m_enteredBackwards = false;
  bool m_committing = false;
  int m_fittedWidth = -1;
};
