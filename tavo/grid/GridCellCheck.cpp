#include "tavo/grid/GridCellCheck.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "tavo/grid/GridCtrl.h"

// --- public operations ---

bool CGridCellCheck::SetCheck(bool checked)
{
  const bool previous = m_checked;
  m_checked = checked;
  RepaintIfDrawn();
  return previous;
}

bool CGridCellCheck::SetDisabled(bool disabled)
{
  const bool previous = m_disabled;
  m_disabled = disabled;
  RepaintIfDrawn();
  return previous;
}

int CGridCellCheck::BoxSize() const
{
  const QWidget* widget = GetGrid();
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
}

QRect CGridCellCheck::CheckBoxRect(const QRect& cellRect) const
{
  const int size = BoxSize();
  const int inset = EffectiveMargin() - 1;
  QRect box(cellRect.left() + inset, cellRect.top() + inset, size, size);
  const int room = (cellRect.width() - size) / 2;
  if (room >= 1)
    box.translate(room, 0);
  return box;
}

// --- cell operations ---

bool CGridCellCheck::OnSpaceKey()
{
  if (!m_disabled)
    Toggle();
  return true;
}

bool CGridCellCheck::Edit(const QRect&, const QPoint&, int)
{
  return false;  // a box has no text to edit
}

void CGridCellCheck::Draw(QPainter& painter, const QRect& rect, const CellDrawState& how)
{
  CGridCell::Draw(painter, rect, how);
  m_lastRect = rect;
  QWidget* widget = GetGrid();
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  QStyleOptionButton option;
  if (widget != nullptr)
    option.initFrom(widget);
  option.rect = CheckBoxRect(rect);
  option.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_Enabled | QStyle::State_HasFocus);
  option.state |= m_checked ? QStyle::State_On : QStyle::State_Off;
  if (m_disabled) {
    option.palette.setCurrentColorGroup(QPalette::Disabled);
  } else {
    option.state |= QStyle::State_Enabled;
  }
  style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
}

QSize CGridCellCheck::GetCellExtent() const
{
  const int extra = BoxSize() + 2 * EffectiveMargin();
  return CGridCell::GetCellExtent() + QSize(extra, extra);
}

void CGridCellCheck::OnClick(const QPoint& point)
{
  if (m_disabled || GetGrid() == nullptr)
    return;
  if (CheckBoxRect(GetGrid()->GetCellRect(GetRow(), GetCol())).contains(point))
    Toggle();
}

// --- private helpers ---

void CGridCellCheck::Toggle()
{
  m_checked = !m_checked;
  if (CGridCtrl* grid = GetGrid()) {
    grid->RedrawCell(GetRow(), GetCol());
    grid->OnCheckChanged(GetRow(), GetCol());
  }
}

void CGridCellCheck::RepaintIfDrawn()
{
  if (!m_lastRect.isNull() && GetGrid() != nullptr)
    GetGrid()->RedrawCell(GetRow(), GetCol());
}
