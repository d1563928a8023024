#include "tavo/grid/GridCell.h"

#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/InPlaceEdit.h"

bool CGridCell::Edit(const QRect& rect, const QPoint& point, int firstChar)
{
  (void)point;
  CGridCtrl* grid = GetGrid();
  if (grid == nullptr || IsEditing())
    return false;
  editor_ = new CInPlaceEdit(grid, rect, GetRow(), GetCol(), GetText(), firstChar);
  return true;
}
