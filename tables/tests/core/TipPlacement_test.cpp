// Where the hover tip of a grammar cell goes.
#include "tables/core/TipPlacement.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& expected, const RECT& actual, const char* what) {
  EXPECT_EQ(expected.left, actual.left) << what;
  EXPECT_EQ(expected.top, actual.top) << what;
  EXPECT_EQ(expected.right, actual.right) << what;
  EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

TEST(PlaceTip, SitsRightOfAndBelowTheCursorWithASpaceOfMargin) {
  struct Case {
    const char* what;
    POINT anchor;
    SIZE cursor;
    RECT bounds;
    SIZE space;
    RECT window;
    RECT table;
  } const cases[] = {
      // A quarter of 32 right, half of 32 down: the tip starts at 108, 216;
      // the window a space wider on each side and half a space taller.
      {"a 32-pixel cursor",
       {100, 200},
       {32, 32},
       {0, 0, 50, 30},
       {4, 16},
       {104, 208, 162, 254},
       {4, 8, 54, 38}},
      // The cursor's parts are rounded: 33 / 4 gives 8, 33 / 2 gives 17.
      {"an odd cursor", {0, 0}, {33, 33}, {0, 0, 10, 10}, {5, 11}, {3, 12, 23, 33}, {5, 5, 15, 15}},
  };
  for (const auto& c : cases) {
    TipPlacement placement{};
    ASSERT_TRUE(PlaceTip(c.anchor, c.cursor, c.bounds, c.space, placement)) << c.what;
    ExpectRect(c.window, placement.window, c.what);
    ExpectRect(c.table, placement.table, c.what);
  }
}

TEST(PlaceTip, AnEmptyTableIsNotPlaced) {
  const RECT empties[] = {{0, 0, 0, 0}, {0, 0, 40, 0}, {0, 0, 0, 12}};
  for (const RECT& bounds : empties) {
    TipPlacement placement{};
    EXPECT_FALSE(PlaceTip({10, 10}, {32, 32}, bounds, {4, 16}, placement));
  }
}

}  // namespace
