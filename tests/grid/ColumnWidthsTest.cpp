#include <gtest/gtest.h>

#include "tavo/grid/ColumnWidths.h"

namespace {

struct WidthCase {
  const char* name;
  std::vector<int> weights;
  std::vector<int> visible;
  int clientWidth;
  std::vector<int> fitted;   // FitColumnWidths
  std::vector<int> widened;  // then WidenLastColumn
  int widenedCol;            // what it reports
};

const WidthCase kCases[] = {
    {"proportions", {15, 50, 5, 40}, {1, 1, 1, 1}, 1100, {150, 500, 50, 1}, {150, 500, 50, 400}, 3},
    {"hidden column gets 0", {10, 20, 30, 40}, {1, 0, 1, 1}, 800, {100, 0, 300, 1}, {100, 0, 300, 400}, 3},
    {"hidden last column", {10, 10, 10}, {1, 1, 0}, 100, {50, 1, 0}, {50, 50, 0}, 1},
    {"halves round up", {1, 1}, {1, 1}, 3, {2, 1}, {2, 1}, -1},
    {"thirds round to nearest", {1, 1, 1}, {1, 1, 1}, 5, {2, 2, 1}, {2, 2, 1}, -1},
    {"overfull stays", {1, 1, 1, 1}, {1, 1, 1, 1}, 2, {1, 1, 1, 1}, {1, 1, 1, 1}, -1},
    {"only column 0 is never widened", {5, 5}, {1, 0}, 100, {1, 0}, {1, 0}, -1},
    {"all hidden", {5, 5}, {0, 0}, 100, {0, 0}, {0, 0}, -1},
    {"zero weights", {0, 0, 0}, {1, 1, 1}, 90, {0, 0, 1}, {0, 0, 90}, 2},
    {"negative weight counts 0", {-10, 10, 10}, {1, 1, 1}, 100, {0, 50, 1}, {0, 50, 50}, 2},
    {"missing flags count as shown", {1, 1, 2}, {}, 400, {100, 100, 1}, {100, 100, 200}, 2},
    {"large widths keep precision", {1, 1}, {1, 1}, 2000000000, {1000000000, 1}, {1000000000, 1000000000}, 1},
};

TEST(ColumnWidths, FitThenWidenTable)
{
  for (const WidthCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<int> widths = FitColumnWidths(c.weights, c.visible, c.clientWidth);
    EXPECT_EQ(widths, c.fitted);
    EXPECT_EQ(WidenLastColumn(widths, c.clientWidth), c.widenedCol);
    EXPECT_EQ(widths, c.widened);
    EXPECT_EQ(WidenLastColumn(widths, c.clientWidth), -1) << "a second time finds nothing free";
  }
}

}  // namespace
