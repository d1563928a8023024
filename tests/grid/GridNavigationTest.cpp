// Keyboard navigation on the grid model alone, without a window: (from, key -> focus cell).
#include <gtest/gtest.h>

#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellCheck.h"
#include "tavo/grid/GridCellRegistry.h"
#include "tavo/grid/GridNavigation.h"

namespace {

constexpr auto kNone = Qt::NoModifier;
const CCellID kNoCell;

// Header row 0, data rows 1 to 3; columns 0 text, 1 check box (read-only, yet it takes the
// focus), 2 read-only text, 3 hidden, 4 text. The cells named as refusing then refuse the focus.
CGridModel MakeModel(const std::vector<CCellID>& refusing = {})
{
  CGridModel model;
  model.SetColumnCount(5, 60, nullptr);
  model.SetRowCount(4, 20, [](int, int col) {
    auto cell = CreateGridCell(col == 1 ? CGridCellCheck::kClassName : CGridCell::kClassName);
    cell->SetState(col == 1 || col == 2 ? kStateReadOnly : 0u);
    return cell;
  });
  model.SetFixedRowCount(1);
  model.SetColumnWidth(3, 0);
  for (const CCellID& cell : refusing) {
    if (auto* box = dynamic_cast<CGridCellCheck*>(model.GetCell(cell.row, cell.col)))
      box->SetDisabled(true);
    model.GetCell(cell.row, cell.col)->SetState(kStateReadOnly);
  }
  return model;
}

struct Move {
  CCellID from;
  int key;
  Qt::KeyboardModifiers modifiers;
  CCellID to;
};

void ExpectMoves(const CGridModel& model, const std::vector<Move>& moves)
{
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const CCellID to = NextFocusCell(model, moves[i].from, moves[i].key, moves[i].modifiers, 2);  // 2 rows a page
    EXPECT_EQ(to, moves[i].to) << "move " << i << " reached (" << to.row << ", " << to.col << ")";
  }
}

TEST(GridNavigation, KeysPassReadOnlyAndHiddenCells)
{
  ExpectMoves(MakeModel(), {
                               {kNoCell, Qt::Key_Tab, kNone, {1, 0}},  // entering: the first editable cell
                               {kNoCell, Qt::Key_Backtab, kNone, {3, 4}},
                               {{1, 0}, Qt::Key_Tab, kNone, {1, 1}},  // a check box takes the focus
                               {{1, 1}, Qt::Key_Tab, kNone, {1, 4}},  // read-only 2, hidden 3
                               {{1, 4}, Qt::Key_Tab, kNone, {2, 0}},
                               {{2, 0}, Qt::Key_Tab, Qt::ShiftModifier, {1, 4}},
                               {{3, 4}, Qt::Key_Tab, kNone, {1, 0}},    // past the last row to the first
                               {{2, 4}, Qt::Key_Right, kNone, {2, 0}},  // wraps within the row
                               {{2, 0}, Qt::Key_Left, kNone, {2, 4}},
                               {{1, 2}, Qt::Key_Right, kNone, {1, 4}},
                               {{3, 4}, Qt::Key_Down, kNone, {3, 4}},  // the last row holds
                               {{1, 4}, Qt::Key_Up, kNone, {1, 4}},    // never into the header
                               {{3, 1}, Qt::Key_PageUp, kNone, {1, 1}},
                               {{2, 0}, Qt::Key_PageDown, kNone, {3, 0}},  // stops at the last row
                               {{1, 4}, Qt::Key_Home, kNone, {1, 0}},
                               {{1, 0}, Qt::Key_End, kNone, {1, 4}},  // the last shown column
                               {{2, 4}, Qt::Key_Home, Qt::ControlModifier, {1, 0}},
                               {{1, 0}, Qt::Key_End, Qt::ControlModifier, {3, 4}},
                           });
  ExpectMoves(CGridModel(), {{kNoCell, Qt::Key_Tab, kNone, kNoCell}});
}

TEST(GridNavigation, HiddenRowsAndRefusingCellsArePassedUntilNoneIsLeft)
{
  CGridModel hidden = MakeModel();
  hidden.SetRowHeight(2, 0);
  ExpectMoves(hidden, {{{1, 0}, Qt::Key_Down, kNone, {3, 0}}, {{1, 4}, Qt::Key_Tab, kNone, {3, 0}}});

  ExpectMoves(MakeModel({{2, 1}, {2, 4}}), {{{2, 0}, Qt::Key_Tab, kNone, {3, 0}}});  // a disabled box refuses
  // No cell takes the focus: the walk goes on over every shown cell.
  const CGridModel refusing = MakeModel({{1, 0}, {1, 1}, {1, 4}, {2, 0}, {2, 1}, {2, 4}, {3, 0}, {3, 1}, {3, 4}});
  ExpectMoves(refusing, {
                            {{3, 0}, Qt::Key_Right, kNone, {3, 1}},
                            {{3, 1}, Qt::Key_Right, kNone, {3, 2}},
                            {{3, 2}, Qt::Key_Right, kNone, {3, 4}},
                            {{3, 4}, Qt::Key_Tab, kNone, {1, 0}},
                            {kNoCell, Qt::Key_Tab, kNone, {1, 0}},
                        });
  EXPECT_EQ(FindNextCell(refusing, kNoCell, false, false, true), kNoCell);
}

}  // namespace
