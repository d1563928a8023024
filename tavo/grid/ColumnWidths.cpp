#include "tavo/grid/ColumnWidths.h"

#include <algorithm>
#include <cstdint>

std::vector<int> FitColumnWidths(const std::vector<int>& weights, const std::vector<int>& visible, int clientWidth)
{
  const auto shown = [&](std::size_t col) { return col >= visible.size() || visible[col] != 0; };
  std::int64_t total = 0;
  int last = -1;
  for (std::size_t col = 0; col < weights.size(); ++col) {
    if (!shown(col))
      continue;
    total += std::max(weights[col], 0);
    last = int(col);
  }
  const std::int64_t width = std::max(clientWidth, 0);
  std::vector<int> widths(weights.size(), 0);
  for (std::size_t col = 0; col < weights.size(); ++col) {
    if (int(col) == last) {
      widths[col] = 1;
    } else if (shown(col) && total > 0) {
      const std::int64_t weight = std::max(weights[col], 0);
      widths[col] = int((2 * weight * width + total) / (2 * total));
    }
  }
  return widths;
}

int WidenLastColumn(std::vector<int>& widths, int clientWidth)
{
  int last = -1;
  std::int64_t used = 0;
  for (std::size_t col = 0; col < widths.size(); ++col) {
    used += widths[col];
    if (widths[col] > 0)
      last = int(col);
  }
  if (last <= 0 || used >= clientWidth)
    return -1;
  widths[std::size_t(last)] += int(clientWidth - used);
  return last;
}
