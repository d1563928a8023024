#pragma once
#include <QAbstractScrollArea>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "tavo/grid/GridCellBase.h"
#include "tavo/grid/GridModel.h"
#include "tavo/grid/GridTypes.h"
#include "tavo/grid/InPlaceEdit.h"

class CGridDefaultCell;

// A spreadsheet-like grid: rows and columns of cell objects with fixed (header) rows and columns,
// a focus cell, a selection, in-place editing, keyboard navigation, header-border resizing,
// clipboard commands and title tips. Cells are painted through the widget style. Subclasses learn
// of user actions through the virtual hooks; the owner may also listen to notifications.
//
// The cells, sizes and fixed counts live in a CGridModel; keyboard navigation is computed on it
// (GridNavigation.h). Implementation split: GridCtrl.cpp (construction, size, cells),
// GridCtrlLayout.cpp (geometry, scrolling), GridCtrlEditing.cpp (the editing cycle),
// GridCtrlKeys.cpp (keys, clipboard), GridCtrlMouse.cpp (mouse, title tips), GridCtrlPaint.cpp
// (painting).
class CGridCtrl : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Answers owner notifications (GridTypes.h); a negative answer to kNotifyBeginEdit cancels it.
  using OwnerHandler = std::function<int(int code, int row, int col)>;

  explicit CGridCtrl(QWidget* parent = nullptr);
  ~CGridCtrl() override;

  // Size. Out-of-range arguments do nothing and return false (or 0/-1 from the getters).
  bool SetRowCount(int rows);
  int GetRowCount() const { return m_model.GetRowCount(); }
  bool SetColumnCount(int cols);
  int GetColumnCount() const { return m_model.GetColumnCount(); }
  bool SetFixedRowCount(int rows);
  int GetFixedRowCount() const { return m_model.GetFixedRowCount(); }
  bool SetFixedColumnCount(int cols);
  int GetFixedColumnCount() const { return m_model.GetFixedColumnCount(); }
  bool SetRowHeight(int row, int height);
  int GetRowHeight(int row) const { return m_model.GetRowHeight(row); }
  bool SetColumnWidth(int col, int width);
  int GetColumnWidth(int col) const { return m_model.GetColumnWidth(col); }
  int GetDefaultRowHeight() const;

  // Cells.
  const CGridModel& Model() const { return m_model; }
  bool IsValid(int row, int col) const { return m_model.IsValid(row, col); }
  bool IsValid(const CCellID& cell) const { return m_model.IsValid(cell); }
  CGridCellBase* GetCell(int row, int col) const { return m_model.GetCell(row, col); }
  bool SetItemText(int row, int col, const QString& text);
  QString GetItemText(int row, int col) const;
  bool SetItemState(int row, int col, unsigned state);
  unsigned GetItemState(int row, int col) const;  // with focused, selected and fixed derived
  bool SetItemFormat(int row, int col, unsigned format);
  bool SetItemFgColour(int row, int col, GridColour colour);
  bool SetItemBkColour(int row, int col, GridColour colour);
  GridColour GetItemBkColour(int row, int col) const;
  bool SetItemFont(int row, int col, const QFont& font);
  // Replaces the cell by a new object of the registered class, keeping every attribute.
  bool SetCellClass(int row, int col, const char* className);
  // The attribute source for data cells, fixed-row, fixed-column, or both.
  CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;
  bool IsCellFixed(int row, int col) const { return m_model.IsCellFixed(row, col); }
  bool IsCellEditable(int row, int col) const { return m_model.IsCellEditable(row, col); }

  // Focus cell and selection. A focus cell in the fixed area moves to the first data row/column.
  CCellID GetFocusCell() const { return m_focus; }
  void SetFocusCell(int row, int col);
  void SetSelectedRange(const CCellRange& range);
  void ClearSelection() { SetSelectedRange(CCellRange{}); }
  bool IsCellSelected(int row, int col) const { return m_selection.Contains(row, col); }
  void EnableRangeSelection(bool enable) { m_rangeSelection = enable; }
  void SetTrackFocusCell(bool track) { m_trackFocusHeaders = track; }
  // The key that Enter at the end of an edit counts as (a Qt::Key; 0 = Enter itself).
  void SetEnterSubstituteKey(int key) { m_enterSubstitute = key; }

  // Editing.
  bool IsEditing() const { return m_editor != nullptr; }
  CCellID GetEditCell() const { return m_editCell; }
  CInPlaceEdit* GetInPlaceEdit() const { return m_editor; }
  // Ends an open in-place edit and commits its text.
  void EndEditing();

  // Geometry, in viewport coordinates.
  CCellID GetCellFromPt(const QPoint& point) const;
  QRect GetCellRect(int row, int col) const;
  bool IsCellVisible(int row, int col) const;
  void EnsureVisible(int row, int col);
  // Gives the last column of non-zero width whatever client width the columns leave free.
  void ExpandLastColumn();
  void Invalidate();
  void RedrawCell(int row, int col);

  // The Edit commands; the keyboard shortcuts call the same.
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnEditSelectAll();

  void SetOwnerHandler(OwnerHandler handler) { m_owner = std::move(handler); }
  int SendMessageToParent(int row, int col, int code);

  // Hooks. The first five do nothing, GetCellTipText gives an empty text (use the cell text).
  virtual void OnCheckChanged(int row, int col);
  virtual void OnComboSelChanged(int row, int col, int index);
  virtual void OnButtonClicked(int row, int col);
  virtual void OnSelectingCell(int row, int col);
  // The focus cell became (row, col), by key, mouse or call; (-1, -1): none.
  virtual void OnFocusCellChanged(int row, int col);
  virtual void OnCellKeyDown(int row, int col, int key);
  virtual QString GetCellTipText(int row, int col);
  // Opens the in-place editor on a valid editable cell; true when an edit began.
  virtual bool StartCellEdit(int row, int col, const QPoint& point, int firstChar);
  // Takes the edited text into the cell when ValidateCellEdit accepts it.
  virtual void FinishCellEdit(int row, int col, const QString& text);
  virtual bool ValidateCellEdit(int row, int col, const QString& text);
  virtual void StopEditing();
  // Asked before Tab moves inside the grid; true = the key is used up. The base says false.
  virtual bool TabOutOfGrid(int row, int col, bool backwards);
  virtual void DrawGrid(QPainter& painter);
  virtual std::unique_ptr<CGridCellBase> NewCell(int row, int col);
  virtual void FreeCell(int row, int col);
  // Right button released. The base ends editing, moves the focus cell and notifies the owner.
  virtual void OnRightButtonUp(Qt::KeyboardModifiers modifiers, const QPoint& point);

  // Called by the in-place editor once, when it ends; key 0 = the focus was lost.
  void OnEndInPlaceEdit(int row, int col, const QString& text, int key, Qt::KeyboardModifiers modifiers);

 protected:
  bool viewportEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  // Moves the focus cell for a navigation key; false when Tab left the grid (TabOutOfGrid).
  bool NavigateByKey(int key, Qt::KeyboardModifiers modifiers);
  // True while the grid's own left-press, left-release or right-press handling runs.
  bool IsMouseActionInProgress() const { return m_mouseAction > 0; }
  // The whole right-release handling of the base grid, for subclasses that keep it.
  void DefaultRightButtonUp(const QPoint& point);
  void UpdateScrollBars();

 private:
  enum class MouseMode { None, Select, PrepareEdit, SizeColumn, SizeRow };
  struct MouseActionScope;

  // One selection step to the cell; with extend (and range selection on) the selection grows.
  void MoveFocusTo(const CCellID& cell, bool extend);
  int ColumnLeft(int col) const;
  int RowTop(int row) const;
  int FixedWidth() const;
  int FixedHeight() const;
  int VisibleDataRows() const;
  // The header border under the point: column (or row) to resize, -1 none.
  int ColumnBorderAt(const QPoint& point) const;
  int RowBorderAt(const QPoint& point) const;
  void ApplyCellText(int row, int col, const QString& text);
  // Empties the editable cells of the selection through FinishCellEdit (Cut and Delete).
  void EmptySelectedCells();
  void ShowTitleTip(const QPoint& point, const QPoint& globalPos);
  void DrawCell(QPainter& painter, int row, int col, const QRect& rect);

  CGridModel m_model;
  std::unique_ptr<CGridDefaultCell> m_defaultCells[4];
  CCellID m_focus;
  CCellRange m_selection;
  CCellID m_selectAnchor;
  bool m_rangeSelection = true;
  bool m_trackFocusHeaders = true;
  int m_enterSubstitute = 0;
  QPointer<CInPlaceEdit> m_editor;
  CCellID m_editCell;
  OwnerHandler m_owner;
  int m_mouseAction = 0;
  MouseMode m_mouseMode = MouseMode::None;
  CCellID m_mouseDownCell;
  int m_sizingIndex = -1;
  int m_sizingStart = 0;
};
