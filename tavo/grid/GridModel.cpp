#include "tavo/grid/GridModel.h"

#include <algorithm>

#include "tavo/grid/ColumnWidths.h"

// --- size ---

void CGridModel::SetRowCount(int rows, int height, const CellFactory& make)
{
  const int old = GetRowCount();
  m_cells.resize(std::size_t(rows));
  m_rowHeights.resize(std::size_t(rows), height);
  m_rowTops.clear();
  for (int row = old; row < rows; ++row) {
    m_cells[std::size_t(row)].resize(m_colWidths.size());
    for (int col = 0; col < GetColumnCount(); ++col)
      m_cells[std::size_t(row)][std::size_t(col)] = make(row, col);
  }
}

void CGridModel::SetColumnCount(int cols, int width, const CellFactory& make)
{
  const int old = GetColumnCount();
  for (auto& cells : m_cells)
    cells.resize(std::size_t(cols));
  m_colWidths.resize(std::size_t(cols), width);
  for (int row = 0; row < GetRowCount(); ++row) {
    for (int col = old; col < cols; ++col)
      m_cells[std::size_t(row)][std::size_t(col)] = make(row, col);
  }
}

bool CGridModel::SetFixedRowCount(int rows)
{
  if (rows < 0 || rows > GetRowCount())
    return false;
  m_fixedRows = rows;
  return true;
}

bool CGridModel::SetFixedColumnCount(int cols)
{
  if (cols < 0 || cols > GetColumnCount())
    return false;
  m_fixedCols = cols;
  return true;
}

bool CGridModel::SetRowHeight(int row, int height)
{
  if (row < 0 || row >= GetRowCount() || height < 0)
    return false;
  m_rowHeights[std::size_t(row)] = height;
  m_rowTops.clear();
  return true;
}

bool CGridModel::SetColumnWidth(int col, int width)
{
  if (col < 0 || col >= GetColumnCount() || width < 0)
    return false;
  m_colWidths[std::size_t(col)] = width;
  return true;
}

int CGridModel::RowTop(int row) const
{
  if (m_rowTops.empty()) {
    m_rowTops.resize(m_rowHeights.size() + 1, 0);
    for (std::size_t r = 0; r < m_rowHeights.size(); ++r)
      m_rowTops[r + 1] = m_rowTops[r] + m_rowHeights[r];
  }
  return m_rowTops[std::size_t(std::clamp(row, 0, GetRowCount()))];
}

int CGridModel::WidenLastColumn(int clientWidth)
{
  return ::WidenLastColumn(m_colWidths, clientWidth);
}

// --- cells ---

bool CGridModel::SetCell(int row, int col, std::unique_ptr<CGridCellBase> cell)
{
  if (!IsValid(row, col))
    return false;
  m_cells[std::size_t(row)][std::size_t(col)] = std::move(cell);
  return true;
}

bool CGridModel::IsCellEditable(int row, int col) const
{
  const CGridCellBase* cell = GetCell(row, col);
  return cell != nullptr && !IsCellFixed(row, col) && !cell->IsReadOnly();
}

bool CGridModel::CellTakesFocus(int row, int col) const
{
  const CGridCellBase* cell = GetCell(row, col);
  return cell != nullptr && !IsCellFixed(row, col) && cell->AcceptsFocus();
}
