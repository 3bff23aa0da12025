// Where a view scrolls to show a rectangle.
#include "hebtext/core/ScrollIntoView.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollPositionToShow, MovesEachAxisJustEnough) {
  const RECT visible{100, 200, 300, 400};
  struct Case {
    RECT target;
    LONG x;
    LONG y;
  } const cases[] = {
      {{150, 250, 200, 300}, 100, 200},  // inside
      {{150, 150, 200, 180}, 100, 150},  // above: its top
      {{150, 380, 200, 450}, 100, 250},  // below: its bottom just visible
      {{50, 250, 90, 300}, 50, 200},     // left
      {{290, 250, 320, 300}, 120, 200},  // right
      {{-20, -30, 10, 10}, 0, 0},        // never below 0
      {{50, 450, 60, 460}, 50, 260},     // both axes
  };
  for (const auto& c : cases) {
    POINT position = ScrollPositionToShow(visible, c.target);
    EXPECT_EQ(position.x, c.x) << c.target.left << "," << c.target.top;
    EXPECT_EQ(position.y, c.y) << c.target.left << "," << c.target.top;
  }
}

}  // namespace
