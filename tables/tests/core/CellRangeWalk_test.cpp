#include "tables/core/CellRangeWalk.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct RangeWalkCase {
  std::set<int> filled;
  int selected;
  int first;
  int last;
  int next;
};

TEST(CellRangeWalk, NextFilledCellCyclesThroughTheRange) {
  const RangeWalkCase cases[] = {
      // Nothing selected: the first filled cell from the start of the range.
      {{3, 7}, -1, 0, 12, 3},
      {{0, 7}, -1, 0, 12, 0},
      {{2, 3}, -1, 1, 4, 2},
      // From the selection onwards, past the end to the start.
      {{3, 7}, 3, 0, 12, 7},
      {{3, 7}, 7, 0, 12, 3},
      {{0, 12}, 12, 0, 12, 0},
      // Only the selected cell, or no cell, holds a form: no change.
      {{5}, 5, 0, 12, -1},
      {{}, -1, 0, 12, -1},
      {{}, 4, 0, 12, -1},
      // A selection outside the range counts as none.
      {{1}, 13, 1, 4, 1},
  };
  for (const RangeWalkCase& c : cases) {
    int calls = 0;
    const int next = NextFilledCell(c.selected, c.first, c.last, [&](int cell) {
      ++calls;
      EXPECT_GE(cell, c.first);
      EXPECT_LE(cell, c.last);
      return c.filled.count(cell) > 0;
    });
    EXPECT_EQ(next, c.next) << "selected " << c.selected;
    EXPECT_LE(calls, c.last - c.first + 1) << "selected " << c.selected;
  }
}

}  // namespace
