#include "tavo/grid/GridNavigation.h"

// --- public operations ---

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

CCellID FindNextCell(const CGridModel& model, const CCellID& from, bool backwards, bool sameRow, bool focusTest)
{
  const int fixedRows = model.GetFixedRowCount();
  const int fixedCols = model.GetFixedColumnCount();
  const int rows = model.GetRowCount() - fixedRows;
  const int cols = model.GetColumnCount() - fixedCols;
  if (rows <= 0 || cols <= 0)
    return CCellID();
  const auto passes = [&](int row, int col) {
    return model.IsCellShown(row, col) && (!focusTest || model.CellTakesFocus(row, col));
  };
  const int step = backwards ? -1 : 1;
  const bool hasStart = model.IsValid(from) && !model.IsCellFixed(from.row, from.col);
  if (sameRow && hasStart) {
    const int start = from.col - fixedCols;
    for (int k = 1; k < cols; ++k) {
      const int col = ((start + step * k) % cols + cols) % cols + fixedCols;
      if (passes(from.row, col))
        return CCellID(from.row, col);
    }
    return from;
  }
  const long long count = static_cast<long long>(rows) * cols;
  const long long start = hasStart ? static_cast<long long>(from.row - fixedRows) * cols + (from.col - fixedCols)
                                   : (backwards ? count : -1);
  for (long long k = 1; k <= count; ++k) {
    if (hasStart && k == count)
      return from;
    const long long index = ((start + step * k) % count + count) % count;
    const int row = int(index / cols) + fixedRows;
    const int col = int(index % cols) + fixedCols;
    if (passes(row, col))
      return CCellID(row, col);
  }
  return CCellID();
}

CCellID NextFocusCell(const CGridModel& model, const CCellID& from, int key, Qt::KeyboardModifiers modifiers,
                      int pageRows)
{
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  const int rows = model.GetRowCount();
  const int cols = model.GetColumnCount();
  const int fixedRows = model.GetFixedRowCount();
  const int fixedCols = model.GetFixedColumnCount();
  const bool hasFrom = model.IsValid(from);
  if (!model.HasDataCells())
    return from;

  // The cell reached by a search: with the focus test first, without it when nothing passes.
  const auto search = [&](bool backwards, bool sameRow) {
    const CCellID found = FindNextCell(model, from, backwards, sameRow, true);
    if (model.IsValid(found) && (found != from || model.CellTakesFocus(from.row, from.col)))
      return found;
    return FindNextCell(model, from, backwards, sameRow, false);
  };
  const auto firstShownCol = [&] {
    for (int col = fixedCols; col < cols; ++col)
      if (model.GetColumnWidth(col) > 0)
        return col;
    return fixedCols;
  };
  const auto lastShownCol = [&] {
    for (int col = cols - 1; col >= fixedCols; --col)
      if (model.GetColumnWidth(col) > 0)
        return col;
    return cols - 1;
  };
  // Steps rows of non-zero height from the focus row; stops at the first or last data row.
  const auto stepRows = [&](int steps, int direction) {
    int row = hasFrom ? from.row : fixedRows;
    for (int r = row + direction; steps > 0 && r >= fixedRows && r < rows; r += direction) {
      if (model.GetRowHeight(r) <= 0)
        continue;
      row = r;
      --steps;
    }
    return CCellID(row, hasFrom ? from.col : firstShownCol());
  };

  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return search(key == Qt::Key_Backtab || shift, false);
    case Qt::Key_Right:
    case Qt::Key_Left: return search(key == Qt::Key_Left, hasFrom);
    case Qt::Key_Down:
    case Qt::Key_Up: return stepRows(1, key == Qt::Key_Down ? 1 : -1);
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: return stepRows(pageRows, key == Qt::Key_PageDown ? 1 : -1);
    case Qt::Key_Home: return CCellID(ctrl ? fixedRows : hasFrom ? from.row : fixedRows, firstShownCol());
    case Qt::Key_End:
      return ctrl ? CCellID(rows - 1, lastShownCol()) : CCellID(hasFrom ? from.row : fixedRows, lastShownCol());
    default: return from;
  }
}
