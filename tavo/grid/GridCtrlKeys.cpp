// CGridCtrl: keyboard handling while no in-place editor is open: navigation in reading order,
// the keys that start an edit, the space key for the focus cell, Delete and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "tavo/grid/GridCtrl.h"

namespace {

bool IsNavigationKey(int key)
{
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
  }
}

}  // namespace

// --- public operations ---

void CGridCtrl::OnEditCopy()
{
  const CCellRange range = m_selection.IsValid() ? m_selection
                           : IsValid(m_focus)    ? CCellRange{m_focus.row, m_focus.col, m_focus.row, m_focus.col}
                                                 : CCellRange{};
  if (!range.IsValid())
    return;
  QStringList lines;
  for (int row = range.minRow; row <= range.maxRow; ++row) {
    QStringList cells;
    for (int col = range.minCol; col <= range.maxCol; ++col)
      cells << GetItemText(row, col);
    lines << cells.join(QLatin1Char('\t'));
  }
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// Cut and Delete empty the editable cells of the selection through FinishCellEdit, so that a
// subclass hears of the change as of an edit.
void CGridCtrl::OnEditCut()
{
  OnEditCopy();
  if (!m_editable || !m_selection.IsValid())
    return;
  for (int row = m_selection.minRow; row <= m_selection.maxRow; ++row) {
    for (int col = m_selection.minCol; col <= m_selection.maxCol; ++col) {
      if (IsCellEditable(row, col) && !GetItemText(row, col).isEmpty())
        FinishCellEdit(row, col, QString());
    }
  }
}

// Tab-separated lines go into the cells from the top-left of the selection (or the focus cell).
void CGridCtrl::OnEditPaste()
{
  const CCellID origin = m_selection.IsValid() ? CCellID(m_selection.minRow, m_selection.minCol) : m_focus;
  if (!m_editable || !IsValid(origin))
    return;
  QString text = QApplication::clipboard()->text();
  if (text.endsWith(QLatin1Char('\n')))
    text.chop(1);
  text.remove(QLatin1Char('\r'));
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int line = 0; line < lines.size(); ++line) {
    const QStringList cells = lines[line].split(QLatin1Char('\t'));
    for (int i = 0; i < cells.size(); ++i) {
      const int row = origin.row + line;
      const int col = origin.col + i;
      if (IsCellEditable(row, col))
        FinishCellEdit(row, col, cells[i]);
    }
  }
}

void CGridCtrl::OnEditSelectAll()
{
  if (!m_rangeSelection)
    return;
  const int rows = GetRowCount();
  const int cols = GetColumnCount();
  if (rows > m_fixedRows && cols > m_fixedCols)
    SetSelectedRange(CCellRange{m_fixedRows, m_fixedCols, rows - 1, cols - 1});
}

// --- handlers ---

// Tab must reach keyPressEvent: the grid decides itself when the focus leaves it.
bool CGridCtrl::focusNextPrevChild(bool /*next*/)
{
  return false;
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  event->accept();
  if (event->matches(QKeySequence::Copy) || (key == Qt::Key_Insert && modifiers == Qt::ControlModifier)) {
    OnEditCopy();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    OnEditCut();
    return;
  }
  if (event->matches(QKeySequence::Paste) || (key == Qt::Key_Insert && modifiers == Qt::ShiftModifier)) {
    OnEditPaste();
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) {
    OnEditSelectAll();
    return;
  }
  if (IsNavigationKey(key)) {
    NavigateByKey(key, modifiers);
    return;
  }
  CGridCellBase* cell = GetCell(m_focus.row, m_focus.col);
  switch (key) {
    case Qt::Key_Space:
      if (cell != nullptr && (modifiers & Qt::ControlModifier) == 0 && cell->OnSpaceKey())
        return;
      break;
    case Qt::Key_F2:
      if (cell != nullptr)
        StartCellEdit(m_focus.row, m_focus.col, QPoint(), kEditCharCaretEnd);
      return;
    case Qt::Key_Delete:
      if (m_editable && m_selection.IsValid()) {
        for (int row = m_selection.minRow; row <= m_selection.maxRow; ++row) {
          for (int col = m_selection.minCol; col <= m_selection.maxCol; ++col) {
            if (IsCellEditable(row, col) && !GetItemText(row, col).isEmpty())
              FinishCellEdit(row, col, QString());
          }
        }
      }
      return;
    case Qt::Key_Escape: event->ignore(); return;
    default: break;
  }

  // Any other character starts an edit of the focus cell and is handed on to the editor.
  int firstChar = 0;
  if (key == Qt::Key_Backspace) {
    firstChar = Qt::Key_Backspace;
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    firstChar = Qt::Key_Return;
  } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
    firstChar = int(event->text().toUcs4().value(0));
  }
  if (firstChar == 0 || (modifiers & Qt::ControlModifier) != 0 || IsMouseActionInProgress()) {
    event->ignore();
    return;
  }
  if (cell != nullptr)
    StartCellEdit(m_focus.row, m_focus.col, QPoint(), firstChar);
}

// --- protected helpers ---

bool CGridCtrl::NavigateByKey(int key, Qt::KeyboardModifiers modifiers)
{
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  const CCellID from = m_focus;
  const int rows = GetRowCount();
  const int cols = GetColumnCount();
  if (rows <= m_fixedRows || cols <= m_fixedCols)
    return true;

  // The cell reached by a search: with the focus test first, without it when nothing passes.
  const auto search = [&](bool backwards, bool sameRow) {
    const CCellID found = FindNextCell(from, backwards, sameRow, true);
    if (IsValid(found) && (found != from || CellTakesFocus(from.row, from.col)))
      return found;
    return FindNextCell(from, backwards, sameRow, false);
  };
  const auto firstShownCol = [&] {
    for (int col = m_fixedCols; col < cols; ++col)
      if (GetColumnWidth(col) > 0)
        return col;
    return m_fixedCols;
  };
  const auto lastShownCol = [&] {
    for (int col = cols - 1; col >= m_fixedCols; --col)
      if (GetColumnWidth(col) > 0)
        return col;
    return cols - 1;
  };
  // Steps rows of non-zero height from the focus row; stops at the first or last data row.
  const auto stepRows = [&](int steps, int direction) {
    int row = IsValid(from) ? from.row : m_fixedRows;
    for (int r = row + direction; steps > 0 && r >= m_fixedRows && r < rows; r += direction) {
      if (GetRowHeight(r) <= 0)
        continue;
      row = r;
      --steps;
    }
    return CCellID(row, IsValid(from) ? from.col : firstShownCol());
  };

  CCellID to = from;
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const bool backwards = key == Qt::Key_Backtab || shift;
      if (TabOutOfGrid(from.row, from.col, backwards))
        return false;
      to = search(backwards, false);
      break;
    }
    case Qt::Key_Right:
    case Qt::Key_Left: to = search(key == Qt::Key_Left, IsValid(from)); break;
    case Qt::Key_Down:
    case Qt::Key_Up: to = stepRows(1, key == Qt::Key_Down ? 1 : -1); break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: to = stepRows(VisibleDataRows(), key == Qt::Key_PageDown ? 1 : -1); break;
    case Qt::Key_Home:
      to = ctrl ? CCellID(m_fixedRows, firstShownCol())
                : CCellID(IsValid(from) ? from.row : m_fixedRows, firstShownCol());
      break;
    case Qt::Key_End:
      to = ctrl ? CCellID(rows - 1, lastShownCol()) : CCellID(IsValid(from) ? from.row : m_fixedRows, lastShownCol());
      break;
    default: break;
  }
  if (IsValid(to) && to != from)
    MoveFocusTo(to, shift && key != Qt::Key_Tab && key != Qt::Key_Backtab);
  OnCellKeyDown(m_focus.row, m_focus.col, key);
  return true;
}

// Reading order over the data cells: along the row, then on to the next row, past the last row
// back to the first. With sameRow the search wraps within the focus row.
CCellID CGridCtrl::FindNextCell(const CCellID& from, bool backwards, bool sameRow, bool focusTest) const
{
  const int rows = GetRowCount() - m_fixedRows;
  const int cols = GetColumnCount() - m_fixedCols;
  if (rows <= 0 || cols <= 0)
    return CCellID();
  const auto passes = [&](int row, int col) {
    return IsCellShown(row, col) && (!focusTest || CellTakesFocus(row, col));
  };
  const int step = backwards ? -1 : 1;
  const bool hasStart = IsValid(from) && !IsCellFixed(from.row, from.col);
  if (sameRow && hasStart) {
    const int start = from.col - m_fixedCols;
    for (int k = 1; k < cols; ++k) {
      const int col = ((start + step * k) % cols + cols) % cols + m_fixedCols;
      if (passes(from.row, col))
        return CCellID(from.row, col);
    }
    return from;
  }
  const long long count = static_cast<long long>(rows) * cols;
  const long long start = hasStart ? static_cast<long long>(from.row - m_fixedRows) * cols + (from.col - m_fixedCols)
                                   : (backwards ? count : -1);
  for (long long k = 1; k <= count; ++k) {
    if (hasStart && k == count)
      return from;
    const long long index = ((start + step * k) % count + count) % count;
    const int row = int(index / cols) + m_fixedRows;
    const int col = int(index % cols) + m_fixedCols;
    if (passes(row, col))
      return CCellID(row, col);
  }
  return CCellID();
}
