// CQORGridCtrl: the keyboard focus between the grid and the other controls of its dialog.
// Tab on the last editable cell (Shift+Tab on the first) hands the focus on in the dialog's tab
// order; arriving focus picks the first or last editable cell by the direction it came from;
// leaving to another control (not an edit field) drops the focus cell and the row highlight.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "tavo/grid/GridNavigation.h"
#include "tavo/grid/QORGridCtrl.h"

namespace {

// What a control shows as its text, as far as tab hand-over is concerned.
QString ControlText(const QWidget* widget)
{
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
    return button->text();
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
    return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget))
    return combo->currentText();
  if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
    return spin->text();
  if (const auto* text = qobject_cast<const QTextEdit*>(widget))
    return text->toPlainText();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
    return plain->toPlainText();
  if (const auto* label = qobject_cast<const QLabel*>(widget))
    return label->text();
  return widget->windowTitle();
}

}  // namespace

// --- public operations ---

void CQORGridCtrl::SelectCell(int row, int col)
{
  setFocus(Qt::OtherFocusReason);
  if (row != -1 && col != -1)
    EnsureVisible(row, col);
  SetFocusCell(row, col);
  OnSelectingCell(row, col);
  RedrawCell(row, col);
}

// --- hooks ---

bool CQORGridCtrl::TabOutOfGrid(int, int, bool backwards)
{
  const CCellID first = FirstEditableCell();
  const CCellID last = LastEditableCell();
  if (IsValid(first) && IsValid(last) && GetFocusCell() != (backwards ? first : last))
    return false;
  QWidget* target = NextTabControl(backwards);
  if (target == nullptr)
    return false;
  HighlightRow(-1);
  SetFocusCell(-1, -1);
  Redraw();
  if (auto* grid = qobject_cast<CQORGridCtrl*>(target))
    grid->SetEnteredBackwards(backwards);
  target->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
  return true;
}

// --- handlers ---

void CQORGridCtrl::focusInEvent(QFocusEvent* event)
{
  CGridCtrl::focusInEvent(event);
  const CCellID focus = GetFocusCell();
  if (IsMouseActionInProgress() || event->reason() == Qt::MouseFocusReason) {
    SelectCell(focus.row, focus.col);
    m_hasFocusState = true;
    return;
  }
  if (m_hasFocusState && IsValid(focus))
    return;
  const bool backwards = m_enteredBackwards || event->reason() == Qt::BacktabFocusReason;
  m_enteredBackwards = false;
  const CCellID target = backwards ? LastEditableCell() : FirstEditableCell();
  SelectCell(target.row, target.col);
  SetFocusCell(target.row, target.col);
  m_hasFocusState = true;
}

void CQORGridCtrl::focusOutEvent(QFocusEvent* event)
{
  CGridCtrl::focusOutEvent(event);
  const QWidget* now = QApplication::focusWidget();
  if (now == nullptr || now == this || now->window() != window())
    return;
  if (qobject_cast<const QLineEdit*>(now) != nullptr)
    return;  // the in-place editor is one
  const bool had = std::exchange(m_hasFocusState, false);
  if (!had)
    return;
  HighlightRow(-1);
  SetFocusCell(-1, -1);
  Redraw();
}

// --- protected helpers ---

CCellID CQORGridCtrl::FirstEditableCell() const
{
  return FindNextCell(Model(), CCellID(), false, false, true);
}

CCellID CQORGridCtrl::LastEditableCell() const
{
  return FindNextCell(Model(), CCellID(), true, false, true);
}

// --- private helpers ---

QWidget* CQORGridCtrl::NextTabControl(bool backwards) const
{
  const QWidget* dialog = window();
  QWidget* widget = const_cast<CQORGridCtrl*>(this);
  for (int guard = 0; guard < 100000; ++guard) {
    widget = backwards ? widget->previousInFocusChain() : widget->nextInFocusChain();
    if (widget == nullptr || widget == this)
      return nullptr;
    if (isAncestorOf(widget) || !dialog->isAncestorOf(widget))
      continue;
    if ((widget->focusPolicy() & Qt::TabFocus) == 0 || !widget->isVisible() || !widget->isEnabled())
      continue;
    if (qobject_cast<CGridCtrl*>(widget) == nullptr && ControlText(widget).isEmpty())
      continue;
    return widget;
  }
  return nullptr;
}
