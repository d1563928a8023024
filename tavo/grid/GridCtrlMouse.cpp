// CGridCtrl: mouse handling (selection, editing on release over the focus cell, double click,
// header-border resizing, the right button) and the title tips of cut-off texts.
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "tavo/grid/GridCtrl.h"

// Marks the grid's own mouse handling as running.
struct CGridCtrl::MouseActionScope {
  explicit MouseActionScope(CGridCtrl& grid) : m_grid(grid) { ++m_grid.m_mouseAction; }
  ~MouseActionScope() { --m_grid.m_mouseAction; }
  MouseActionScope(const MouseActionScope&) = delete;
  MouseActionScope& operator=(const MouseActionScope&) = delete;
  CGridCtrl& m_grid;
};

// --- handlers ---

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
  MouseActionScope scope(*this);
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;
  const QPoint point = event->position().toPoint();
  m_mouseMode = MouseMode::None;
  if (!hasFocus())
    setFocus(Qt::MouseFocusReason);

  if (const int col = ColumnBorderAt(point); col >= 0) {
    StopEditing();
    m_mouseMode = MouseMode::SizeColumn;
    m_sizingIndex = col;
    m_sizingStart = point.x() - GetColumnWidth(col);
    return;
  }
  if (const int row = RowBorderAt(point); row >= 0) {
    StopEditing();
    m_mouseMode = MouseMode::SizeRow;
    m_sizingIndex = row;
    m_sizingStart = point.y() - GetRowHeight(row);
    return;
  }

  StopEditing();
  const CCellID cell = GetCellFromPt(point);
  m_mouseDownCell = cell;
  if (!IsValid(cell) || IsCellFixed(cell.row, cell.col))
    return;
  if (cell == m_focus) {
    m_mouseMode = MouseMode::PrepareEdit;
    return;
  }
  OnSelectingCell(cell.row, cell.col);
  MoveFocusTo(cell, (event->modifiers() & Qt::ShiftModifier) != 0);
  m_mouseMode = MouseMode::Select;
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
  MouseActionScope scope(*this);
  event->accept();
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    OnRightButtonUp(event->modifiers(), point);
    return;
  }
  if (event->button() != Qt::LeftButton)
    return;
  const MouseMode mode = std::exchange(m_mouseMode, MouseMode::None);
  const CCellID cell = GetCellFromPt(point);
  if ((mode != MouseMode::Select && mode != MouseMode::PrepareEdit) || cell != m_mouseDownCell)
    return;
  if (CGridCellBase* target = GetCell(cell.row, cell.col))
    target->OnClick(point);
  SendMessageToParent(cell.row, cell.col, kNotifyClick);
  if (mode == MouseMode::PrepareEdit && cell == m_focus)
    StartCellEdit(cell.row, cell.col, point, kEditCharCaretEnd);
}

// A double click edits an editable cell; on any other cell it counts as one more press, so that
// a quick second click on a check box toggles it again.
void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
  const QPoint point = event->position().toPoint();
  const CCellID cell = GetCellFromPt(point);
  if (event->button() != Qt::LeftButton || !IsCellEditable(cell.row, cell.col) || ColumnBorderAt(point) >= 0 ||
      RowBorderAt(point) >= 0) {
    mousePressEvent(event);
    return;
  }
  MouseActionScope scope(*this);
  event->accept();
  m_mouseMode = MouseMode::None;
  if (!hasFocus())
    setFocus(Qt::MouseFocusReason);
  StopEditing();
  if (cell != m_focus)
    MoveFocusTo(cell, false);
  SendMessageToParent(cell.row, cell.col, kNotifyDoubleClick);
  StartCellEdit(cell.row, cell.col, point, kEditCharCaretEnd);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
  const QPoint point = event->position().toPoint();
  // Dragging never hides a column or row: it keeps at least a pixel.
  switch (m_mouseMode) {
    case MouseMode::SizeColumn: SetColumnWidth(m_sizingIndex, std::max(point.x() - m_sizingStart, 1)); return;
    case MouseMode::SizeRow: SetRowHeight(m_sizingIndex, std::max(point.y() - m_sizingStart, 1)); return;
    case MouseMode::Select:
      if (m_rangeSelection && (event->buttons() & Qt::LeftButton) != 0) {
        const CCellID cell = GetCellFromPt(point);
        if (IsValid(cell) && !IsCellFixed(cell.row, cell.col) && cell != m_focus) {
          OnSelectingCell(cell.row, cell.col);
          MoveFocusTo(cell, true);
        }
      }
      return;
    default: break;
  }
  if (ColumnBorderAt(point) >= 0) {
    viewport()->setCursor(Qt::SplitHCursor);
  } else if (RowBorderAt(point) >= 0) {
    viewport()->setCursor(Qt::SplitVCursor);
  } else {
    viewport()->unsetCursor();
  }
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent* event)
{
  event->accept();  // the right button is handled on release; the grid has no menu of its own
}

void CGridCtrl::focusInEvent(QFocusEvent* event)
{
  QAbstractScrollArea::focusInEvent(event);
  Invalidate();
}

void CGridCtrl::focusOutEvent(QFocusEvent* event)
{
  QAbstractScrollArea::focusOutEvent(event);
  Invalidate();
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowTitleTip(help->pos(), help->globalPos());
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

// --- hooks ---

void CGridCtrl::OnRightButtonUp(Qt::KeyboardModifiers, const QPoint& point)
{
  DefaultRightButtonUp(point);
}

// --- protected helpers ---

void CGridCtrl::DefaultRightButtonUp(const QPoint& point)
{
  StopEditing();
  const CCellID hit = GetCellFromPt(point);
  if (!IsValid(hit)) {
    SendMessageToParent(-1, -1, kNotifyRightClick);
    return;
  }
  const CCellID cell(std::max(hit.row, std::min(GetFixedRowCount(), GetRowCount() - 1)),
                     std::max(hit.col, std::min(GetFixedColumnCount(), GetColumnCount() - 1)));
  SetFocusCell(-1, -1);
  OnSelectingCell(cell.row, cell.col);
  MoveFocusTo(cell, false);
  if (CGridCellBase* target = GetCell(cell.row, cell.col))
    target->OnRClick(point);
  SendMessageToParent(cell.row, cell.col, kNotifyRightClick);
}

// --- private helpers ---

void CGridCtrl::ShowTitleTip(const QPoint& point, const QPoint& globalPos)
{
  const CCellID cell = GetCellFromPt(point);
  const CGridCellBase* target = GetCell(cell.row, cell.col);
  if (target == nullptr || m_editCell == cell) {
    QToolTip::hideText();
    return;
  }
  const QRect rect = GetCellRect(cell.row, cell.col);
  const int margin = target->EffectiveMargin();
  const int needed = QFontMetrics(target->EffectiveFont()).horizontalAdvance(target->GetText()) + 2 * margin;
  if (target->GetText().isEmpty() || needed <= rect.width()) {
    QToolTip::hideText();
    return;
  }
  QString tip = GetCellTipText(cell.row, cell.col);
  if (tip.isEmpty())
    tip = target->GetText();
  QToolTip::showText(globalPos, tip, viewport(), rect);
}
