#pragma once
#include <vector>

// Column widths from relative weights for a client width W: the last visible column gets 1 pixel
// (it is widened afterwards), every other visible column weight * W / (sum of the visible
// weights), rounded to the nearest pixel with halves up, and a hidden column 0. Negative weights
// count as 0; a missing visible flag counts as shown.
std::vector<int> FitColumnWidths(const std::vector<int>& weights, const std::vector<int>& visible, int clientWidth);

// Adds whatever client width the columns leave free to the last column of non-zero width, unless
// that is column 0, there is none, or nothing is free. Returns the column widened, or -1.
int WidenLastColumn(std::vector<int>& widths, int clientWidth);
