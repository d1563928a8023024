// CGridCtrl: keyboard handling while no in-place editor is open: navigation in reading order,
// the keys that start an edit, the space key for the focus cell, Delete and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/GridNavigation.h"

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
  EmptySelectedCells();
}

// Tab-separated lines go into the cells from the top-left of the selection (or the focus cell).
void CGridCtrl::OnEditPaste()
{
  const CCellID origin = m_selection.IsValid() ? CCellID(m_selection.minRow, m_selection.minCol) : m_focus;
  if (!IsValid(origin))
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
  if (rows > GetFixedRowCount() && cols > GetFixedColumnCount())
    SetSelectedRange(CCellRange{GetFixedRowCount(), GetFixedColumnCount(), rows - 1, cols - 1});
}

// --- handlers ---

// Tab must reach keyPressEvent: the grid decides itself when the focus leaves it.
bool CGridCtrl::focusNextPrevChild(bool)
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
    case Qt::Key_Delete: EmptySelectedCells(); return;
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
  if (!m_model.HasDataCells())
    return true;
  const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  if (tab && TabOutOfGrid(m_focus.row, m_focus.col, key == Qt::Key_Backtab || shift))
    return false;
  const CCellID to = NextFocusCell(m_model, m_focus, key, modifiers, VisibleDataRows());
  if (IsValid(to) && to != m_focus)
    MoveFocusTo(to, shift && !tab);
  OnCellKeyDown(m_focus.row, m_focus.col, key);
  return true;
}

// --- private helpers ---

void CGridCtrl::EmptySelectedCells()
{
  if (!m_selection.IsValid())
    return;
  for (int row = m_selection.minRow; row <= m_selection.maxRow; ++row) {
    for (int col = m_selection.minCol; col <= m_selection.maxCol; ++col) {
      if (IsCellEditable(row, col) && !GetItemText(row, col).isEmpty())
        FinishCellEdit(row, col, QString());
    }
  }
}
