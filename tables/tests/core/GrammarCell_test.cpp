// The grammar cell: empty cells, rectangles at their anchors, the selected
// cell and hit-testing.
#include "tables/core/GrammarCell.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A cell showing a form 30 pixels wide and 20 high.
GrammarCell FormCell() {
  GrammarCell cell;
  ClearGrammarCell(cell);
  cell.left = -30;
  cell.top = 0;
  cell.right = 0;
  cell.bottom = 20;
  cell.shown.letters[0] = 0xE0;
  return cell;
}

TEST(GrammarCell, ClearingEmptiesTheCellAndBothRecords) {
  GrammarCell cell;
  std::memset(&cell, 0x5A, sizeof cell);
  ClearGrammarCell(cell);
  EXPECT_TRUE(IsGrammarCellEmpty(cell));
  EXPECT_EQ(0u, cell.selected);
  const HebWordRec zero{};
  EXPECT_EQ(0, std::memcmp(&zero, &cell.shown, sizeof zero));
  EXPECT_EQ(0, std::memcmp(&zero, &cell.source, sizeof zero));
  for (int i = 0; i < kCellAlternates; ++i) {
    EXPECT_EQ(kNoAlternate, cell.shownAlternates[i]);
    EXPECT_EQ(kNoAlternate, cell.sourceAlternates[i]);
  }
}

TEST(GrammarCell, TheRectangleIsRightAlignedAtItsAnchor) {
  const RECT rect = GrammarCellRect(FormCell(), POINT{200, 50});
  EXPECT_EQ(170, rect.left);
  EXPECT_EQ(50, rect.top);
  EXPECT_EQ(200, rect.right);
  EXPECT_EQ(70, rect.bottom);
}

TEST(GrammarCell, AnEmptyCellIsNeverSelectedOrHitWhateverItHolds) {
  GrammarCell cells[3] = {FormCell(), FormCell(), FormCell()};
  const POINT anchors[3] = {{100, 0}, {100, 40}, {100, 80}};
  cells[1].selected = 1;
  EXPECT_EQ(1, FindSelectedCell(cells, 3));
  EXPECT_EQ(1, HitTestGrammarCells(cells, anchors, 3, POINT{80, 45}));

  // Emptied, it keeps its old rectangle and flag but counts for nothing.
  cells[1].top = kEmptyCellTop;
  EXPECT_EQ(-1, FindSelectedCell(cells, 3));
  EXPECT_EQ(-1, HitTestGrammarCells(cells, anchors, 3, POINT{80, 45}));
}

TEST(GrammarCell, HitTestingTakesTheLeftAndTopEdgesOnly) {
  const GrammarCell cells[1] = {FormCell()};
  const POINT anchors[1] = {{100, 0}};
  struct Case {
    POINT point;
    int hit;
  } const cases[] = {
      {{70, 0}, 0}, {{99, 19}, 0}, {{69, 5}, -1}, {{100, 5}, -1}, {{80, 20}, -1}, {{80, -1}, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.hit, HitTestGrammarCells(cells, anchors, 1, c.point))
        << c.point.x << "," << c.point.y;
}

}  // namespace
