// CGridCtrl: the editing cycle. An edit starts on a valid editable cell, the cell opens its
// in-place editor, the editor reports its end once, the text is committed through FinishCellEdit,
// and a navigation key that ended the edit moves on and opens the next editor.
#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/GridNavigation.h"
#include "tavo/grid/InPlaceEdit.h"

// --- public operations ---

void CGridCtrl::EndEditing()
{
  if (m_editor != nullptr)
    m_editor->EndEdit(0);
}

// --- hooks ---

bool CGridCtrl::StartCellEdit(int row, int col, const QPoint& point, int firstChar)
{
  if (!IsCellEditable(row, col))
    return false;
  if (IsEditing()) {
    if (m_editCell == CCellID(row, col))
      return false;
    EndEditing();
  }
  EnsureVisible(row, col);
  if (!IsCellVisible(row, col))
    return false;
  if (SendMessageToParent(row, col, kNotifyBeginEdit) < 0)
    return false;
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr || !cell->Edit(GetCellRect(row, col), point, firstChar))
    return false;
  m_editor = cell->GetEditWnd();
  m_editCell = m_editor != nullptr ? CCellID(row, col) : CCellID();
  return m_editor != nullptr;
}

void CGridCtrl::FinishCellEdit(int row, int col, const QString& text)
{
  if (ValidateCellEdit(row, col, text))
    ApplyCellText(row, col, text);
}

bool CGridCtrl::ValidateCellEdit(int row, int col, const QString& text)
{
  CGridCellBase* cell = GetCell(row, col);
  return cell != nullptr && cell->ValidateEdit(text);
}

void CGridCtrl::StopEditing()
{
  EndEditing();
}

// --- from the in-place editor ---

void CGridCtrl::OnEndInPlaceEdit(int row, int col, const QString& text, int key, Qt::KeyboardModifiers modifiers)
{
  if (m_editCell == CCellID(row, col)) {
    m_editor = nullptr;
    m_editCell = CCellID();
  }
  if (CGridCellBase* cell = GetCell(row, col))
    cell->EndEdit();
  SendMessageToParent(row, col, kNotifyEndEdit);
  FinishCellEdit(row, col, text);
  RedrawCell(row, col);

  int next = key;
  if (key == Qt::Key_Return || key == Qt::Key_Enter)
    next = m_enterSubstitute;
  if (!IsNavigationKey(next))
    return;
  if (!NavigateByKey(next, modifiers))
    return;  // Tab handed the focus to another control
  if (IsValid(m_focus))
    StartCellEdit(m_focus.row, m_focus.col, QPoint(), next);
}

// --- private helpers ---

void CGridCtrl::ApplyCellText(int row, int col, const QString& text)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return;
  if (cell->GetText() != text)
    cell->SetState(cell->GetState() | kStateModified);
  cell->SetText(text);
  RedrawCell(row, col);
}
