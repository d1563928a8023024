#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "tavo/grid/GridCellBase.h"
#include "tavo/grid/GridTypes.h"

// What a grid holds, without a window: the cell objects row by row, the row heights and column
// widths in pixels (0 hides a row or column), and the fixed (header) rows and columns at the top
// and left. The grid window draws, scrolls and edits over it; keyboard navigation is computed on
// it alone (GridNavigation.h).
class CGridModel {
 public:
  using CellFactory = std::function<std::unique_ptr<CGridCellBase>(int row, int col)>;

  // Size. New rows get the height, new columns the width, new cells come from the factory. A
  // fixed count beyond the rows or columns is refused (false).
  void SetRowCount(int rows, int height, const CellFactory& make);
  void SetColumnCount(int cols, int width, const CellFactory& make);
  int GetRowCount() const { return int(m_cells.size()); }
  int GetColumnCount() const { return int(m_colWidths.size()); }
  bool SetFixedRowCount(int rows);
  bool SetFixedColumnCount(int cols);
  int GetFixedRowCount() const { return m_fixedRows; }
  int GetFixedColumnCount() const { return m_fixedCols; }
  // Whether there is at least one data row and one data column.
  bool HasDataCells() const { return GetRowCount() > m_fixedRows && GetColumnCount() > m_fixedCols; }

  // Sizes. Out-of-range arguments do nothing and return false, or -1 from the getters.
  bool SetRowHeight(int row, int height);
  int GetRowHeight(int row) const { return row >= 0 && row < GetRowCount() ? m_rowHeights[std::size_t(row)] : -1; }
  bool SetColumnWidth(int col, int width);
  int GetColumnWidth(int col) const { return col >= 0 && col < GetColumnCount() ? m_colWidths[std::size_t(col)] : -1; }
  // The sum of the heights of the rows above the row (the row count: of all rows), unscrolled.
  int RowTop(int row) const;
  // Gives the last column of non-zero width the room the columns leave free in the client width;
  // returns that column, or -1 when nothing changed.
  int WidenLastColumn(int clientWidth);

  // Cells.
  bool IsValid(int row, int col) const { return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount(); }
  bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
  CGridCellBase* GetCell(int row, int col) const
  {
    return IsValid(row, col) ? m_cells[std::size_t(row)][std::size_t(col)].get() : nullptr;
  }
  // Puts a cell object in place of the one there (which goes); false outside the grid.
  bool SetCell(int row, int col, std::unique_ptr<CGridCellBase> cell);
  bool IsCellFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }
  bool IsCellShown(int row, int col) const { return GetRowHeight(row) > 0 && GetColumnWidth(col) > 0; }
  bool IsCellEditable(int row, int col) const;
  // Whether keyboard navigation may stop on the cell (a disabled check box refuses).
  bool CellTakesFocus(int row, int col) const;

 private:
  std::vector<std::vector<std::unique_ptr<CGridCellBase>>> m_cells;
  std::vector<int> m_rowHeights;
  std::vector<int> m_colWidths;
  // The sum of the heights above each row, kept until the heights change: every cell that is
  // redrawn asks for its row's top, and summing anew each time made loading quadratic in rows.
  mutable std::vector<int> m_rowTops;  // empty: stale
  int m_fixedRows = 0;
  int m_fixedCols = 0;
};
