#include "tavo/grid/GridCell.h"

#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/InPlaceEdit.h"

bool CGridCell::Edit(const QRect& rect, const QPoint&, int firstChar)
{
  CGridCtrl* grid = GetGrid();
  if (grid == nullptr || IsEditing())
    return false;
  m_editor = new CInPlaceEdit(grid, rect, GetRow(), GetCol(), GetText(), firstChar);
  return true;
}
