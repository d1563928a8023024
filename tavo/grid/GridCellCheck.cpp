#include "tavo/grid/GridCellCheck.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "tavo/grid/GridCtrl.h"

// ---- public operations ------------------------------------------------------------------------

bool CGridCellCheck::SetCheck(bool checked)
{
  const bool previous = checked_;
  checked_ = checked;
  RepaintIfDrawn();
  return previous;
}

bool CGridCellCheck::SetDisabled(bool disabled)
{
  const bool previous = disabled_;
  disabled_ = disabled;
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

// ---- cell operations --------------------------------------------------------------------------

bool CGridCellCheck::OnSpaceKey()
{
  if (!disabled_)
    Toggle();
  return true;
}

bool CGridCellCheck::Edit(const QRect& rect, const QPoint& point, int firstChar)
{
  (void)rect;
  (void)point;
  (void)firstChar;
  return false;  // a box has no text to edit
}

void CGridCellCheck::Draw(QPainter& painter, const QRect& rect, const CellDrawState& how)
{
  CGridCell::Draw(painter, rect, how);
  lastRect_ = rect;
  QWidget* widget = GetGrid();
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  QStyleOptionButton option;
  if (widget != nullptr)
    option.initFrom(widget);
  option.rect = CheckBoxRect(rect);
  option.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_Enabled | QStyle::State_HasFocus);
  option.state |= checked_ ? QStyle::State_On : QStyle::State_Off;
  if (disabled_) {
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
  if (disabled_ || GetGrid() == nullptr)
    return;
  if (CheckBoxRect(GetGrid()->GetCellRect(GetRow(), GetCol())).contains(point))
    Toggle();
}

// ---- private helpers --------------------------------------------------------------------------

void CGridCellCheck::Toggle()
{
  checked_ = !checked_;
  if (CGridCtrl* grid = GetGrid()) {
    grid->RedrawCell(GetRow(), GetCol());
    grid->OnCheckChanged(GetRow(), GetCol());
  }
}

void CGridCellCheck::RepaintIfDrawn()
{
  if (!lastRect_.isNull() && GetGrid() != nullptr)
    GetGrid()->RedrawCell(GetRow(), GetCol());
}
