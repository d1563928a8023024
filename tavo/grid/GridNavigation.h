#pragma once
#include <Qt>

#include "tavo/grid/GridModel.h"
#include "tavo/grid/GridTypes.h"

// Keyboard navigation over a grid's cells, as pure functions of the model: what a key does to the
// focus cell does not depend on the window.

// Tab, Shift+Tab, the arrows, Page Up, Page Down, Home and End: the keys that move the focus cell.
// An in-place edit that one of them ends carries on in the cell it reaches.
bool IsNavigationKey(int key);

// The next data cell in reading order from the cell (from before the first or after the last
// when it is none or fixed) that is shown and, with focusTest, takes the focus. With sameRow the
// search wraps within the row. Gives the start cell when the search comes back to it, and no
// cell when nothing passes.
CCellID FindNextCell(const CGridModel& model, const CCellID& from, bool backwards, bool sameRow, bool focusTest);

// The focus cell after a navigation key: Tab and the arrows search in reading order (cells that
// refuse the focus are passed over unless every cell refuses), Up, Down and the page keys step
// shown rows (pageRows at a time), Home and End go to the first and last shown column (with Ctrl
// to the first or last row). Gives the start cell for any other key or when nothing moves.
CCellID NextFocusCell(const CGridModel& model, const CCellID& from, int key, Qt::KeyboardModifiers modifiers,
                      int pageRows);
