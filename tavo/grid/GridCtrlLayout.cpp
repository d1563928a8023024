// CGridCtrl: geometry of rows and columns, scrolling, hit tests and the last-column widening.
// Fixed rows and columns stay in place; the data area scrolls by pixels.
#include <algorithm>

#include <QResizeEvent>
#include <QScrollBar>

#include "tavo/grid/GridCtrl.h"

namespace {

constexpr int kBorderGrip = 3;  // pixels either side of a header border that start a resize

}  // namespace

// --- public operations ---

QRect CGridCtrl::GetCellRect(int row, int col) const
{
  if (!IsValid(row, col))
    return QRect();
  return QRect(ColumnLeft(col), RowTop(row), GetColumnWidth(col), GetRowHeight(row));
}

CCellID CGridCtrl::GetCellFromPt(const QPoint& point) const
{
  CCellID cell;
  for (int col = 0; col < GetColumnCount(); ++col) {
    const int left = ColumnLeft(col);
    if (col >= GetFixedColumnCount() && left < FixedWidth())
      continue;  // scrolled under the fixed columns
    if (point.x() >= left && point.x() < left + GetColumnWidth(col)) {
      cell.col = col;
      break;
    }
  }
  for (int row = 0; row < GetRowCount(); ++row) {
    const int top = RowTop(row);
    if (row >= GetFixedRowCount() && top < FixedHeight())
      continue;
    if (point.y() >= top && point.y() < top + GetRowHeight(row)) {
      cell.row = row;
      break;
    }
  }
  return cell.IsValid() ? cell : CCellID();
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
  const QRect rect = GetCellRect(row, col);
  if (rect.isEmpty())
    return false;
  QRect area = viewport()->rect();
  if (row >= GetFixedRowCount())
    area.setTop(FixedHeight());
  if (col >= GetFixedColumnCount())
    area.setLeft(FixedWidth());
  return rect.intersects(area);
}

void CGridCtrl::EnsureVisible(int row, int col)
{
  if (!IsValid(row, col))
    return;
  if (col >= GetFixedColumnCount()) {
    const int left = ColumnLeft(col) + horizontalScrollBar()->value() - FixedWidth();
    const int room = viewport()->width() - FixedWidth();
    int value = horizontalScrollBar()->value();
    if (left + GetColumnWidth(col) > value + room)
      value = left + GetColumnWidth(col) - room;
    if (left < value)
      value = left;
    horizontalScrollBar()->setValue(value);
  }
  if (row >= GetFixedRowCount()) {
    const int top = RowTop(row) + verticalScrollBar()->value() - FixedHeight();
    const int room = viewport()->height() - FixedHeight();
    int value = verticalScrollBar()->value();
    if (top + GetRowHeight(row) > value + room)
      value = top + GetRowHeight(row) - room;
    if (top < value)
      value = top;
    verticalScrollBar()->setValue(value);
  }
}

void CGridCtrl::ExpandLastColumn()
{
  if (m_model.WidenLastColumn(viewport()->width()) >= 0) {
    UpdateScrollBars();
    Invalidate();
  }
}

void CGridCtrl::Invalidate()
{
  viewport()->update();
}

void CGridCtrl::RedrawCell(int row, int col)
{
  if (IsValid(row, col))
    viewport()->update(GetCellRect(row, col).adjusted(-1, -1, 1, 1));
}

// --- handlers ---

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CGridCtrl::scrollContentsBy(int, int)
{
  StopEditing();
  Invalidate();
}

// --- private helpers ---

void CGridCtrl::UpdateScrollBars()
{
  int dataWidth = 0;
  for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col)
    dataWidth += GetColumnWidth(col);
  int dataHeight = 0;
  for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
    dataHeight += GetRowHeight(row);
  const int roomX = std::max(viewport()->width() - FixedWidth(), 0);
  const int roomY = std::max(viewport()->height() - FixedHeight(), 0);
  horizontalScrollBar()->setRange(0, std::max(dataWidth - roomX, 0));
  horizontalScrollBar()->setPageStep(std::max(roomX, 1));
  verticalScrollBar()->setRange(0, std::max(dataHeight - roomY, 0));
  verticalScrollBar()->setPageStep(std::max(roomY, 1));
}

int CGridCtrl::FixedWidth() const
{
  int width = 0;
  for (int col = 0; col < GetFixedColumnCount(); ++col)
    width += GetColumnWidth(col);
  return width;
}

int CGridCtrl::FixedHeight() const
{
  int height = 0;
  for (int row = 0; row < GetFixedRowCount(); ++row)
    height += GetRowHeight(row);
  return height;
}

int CGridCtrl::ColumnLeft(int col) const
{
  int left = col >= GetFixedColumnCount() ? -horizontalScrollBar()->value() : 0;
  for (int c = 0; c < col; ++c)
    left += GetColumnWidth(c);
  return left;
}

int CGridCtrl::RowTop(int row) const
{
  return (row >= GetFixedRowCount() ? -verticalScrollBar()->value() : 0) + m_model.RowTop(row);
}

// The number of data rows of the focus row's height that fit the data area; at least one.
int CGridCtrl::VisibleDataRows() const
{
  const int height = std::max(GetRowHeight(std::max(m_focus.row, GetFixedRowCount())), 1);
  return std::max((viewport()->height() - FixedHeight()) / height, 1);
}

int CGridCtrl::ColumnBorderAt(const QPoint& point) const
{
  if (GetFixedRowCount() == 0 || point.y() < 0 || point.y() >= FixedHeight())
    return -1;
  for (int col = GetColumnCount() - 1; col >= 0; --col) {
    const int right = ColumnLeft(col) + GetColumnWidth(col);
    if (GetColumnWidth(col) > 0 && std::abs(point.x() - right) <= kBorderGrip)
      return col;
  }
  return -1;
}

int CGridCtrl::RowBorderAt(const QPoint& point) const
{
  if (GetFixedColumnCount() == 0 || point.x() < 0 || point.x() >= FixedWidth())
    return -1;
  for (int row = GetRowCount() - 1; row >= 0; --row) {
    const int bottom = RowTop(row) + GetRowHeight(row);
    if (GetRowHeight(row) > 0 && std::abs(point.y() - bottom) <= kBorderGrip)
      return row;
  }
  return -1;
}
