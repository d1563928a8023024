// CGridCtrl: painting. Data cells first (they scroll), then the fixed rows and columns over them,
// each cell by its own Draw, with grid lines in the palette's mid-light colour.
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "tavo/grid/GridCtrl.h"

// --- handlers ---

void CGridCtrl::paintEvent(QPaintEvent* event)
{
  QPainter painter(viewport());
  painter.setClipRegion(event->region());
  DrawGrid(painter);
}

// --- hooks ---

void CGridCtrl::DrawGrid(QPainter& painter)
{
  const QRect area = viewport()->rect();
  painter.fillRect(area, palette().color(QPalette::Window));
  const int fixedWidth = FixedWidth();
  const int fixedHeight = FixedHeight();

  // Row tops and column lefts, computed once.
  std::vector<int> tops(static_cast<std::size_t>(GetRowCount()));
  std::vector<int> lefts(static_cast<std::size_t>(GetColumnCount()));
  for (int row = 0, y = 0; row < GetRowCount(); ++row) {
    if (row == GetFixedRowCount())
      y -= verticalScrollBar()->value();
    tops[std::size_t(row)] = y;
    y += GetRowHeight(row);
  }
  for (int col = 0, x = 0; col < GetColumnCount(); ++col) {
    if (col == GetFixedColumnCount())
      x -= horizontalScrollBar()->value();
    lefts[std::size_t(col)] = x;
    x += GetColumnWidth(col);
  }

  // Pass 0: data cells, clipped to the scrolling area; pass 1: the fixed cells.
  for (int pass = 0; pass < 2; ++pass) {
    painter.save();
    if (pass == 0)
      painter.setClipRect(QRect(fixedWidth, fixedHeight, area.width(), area.height()), Qt::IntersectClip);
    for (int row = 0; row < GetRowCount(); ++row) {
      const int height = GetRowHeight(row);
      const int top = tops[std::size_t(row)];
      if (height <= 0 || top >= area.bottom() + 1 || top + height <= 0)
        continue;
      for (int col = 0; col < GetColumnCount(); ++col) {
        const int width = GetColumnWidth(col);
        const int left = lefts[std::size_t(col)];
        if (width <= 0 || left >= area.right() + 1 || left + width <= 0)
          continue;
        if (IsCellFixed(row, col) != (pass == 1))
          continue;
        DrawCell(painter, row, col, QRect(left, top, width, height));
      }
    }
    painter.restore();
  }
}

// --- private helpers ---

void CGridCtrl::DrawCell(QPainter& painter, int row, int col, const QRect& rect)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return;
  CellDrawState how;
  how.header = IsCellFixed(row, col);
  how.focused = m_focus == CCellID(row, col);
  how.selected = !how.focused && IsCellSelected(row, col);
  how.gridHasFocus = hasFocus() || IsEditing();
  how.headerHighlight =
      how.header && m_trackFocusHeaders && IsValid(m_focus) &&
      ((row < GetFixedRowCount() && col == m_focus.col) || (col < GetFixedColumnCount() && row == m_focus.row));
  const QRect inner = how.header ? rect : rect.adjusted(0, 0, -1, -1);
  cell->Draw(painter, inner, how);
  if (!how.header) {
    painter.setPen(palette().color(QPalette::Midlight).darker(110));
    painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
  }
}
