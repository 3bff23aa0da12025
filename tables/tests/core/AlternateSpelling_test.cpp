#include "tables/core/AlternateSpelling.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kFirstColour = RGB(0, 0, 128);

struct ShownCase {
  LONG offsets[kSpellingAlternates];
  int alternate;
  int shown;
  LONG offset;
  COLORREF colour;
};

TEST(AlternateSpelling, NearestExistingAlternateIsShown) {
  const ShownCase cases[] = {
      {{5, 9, 14, 20}, kFirstSpelling, kFirstSpelling, 0, kFirstColour},
      {{5, 9, 14, 20}, 0, 0, 5, RGB(0, 0, 0)},
      {{5, 9, 14, 20}, 1, 1, 9, RGB(128, 0, 0)},
      {{5, 9, 14, 20}, 2, 2, 14, RGB(128, 0, 255)},
      {{5, 9, 14, 20}, 3, 3, 20, RGB(255, 0, 0)},
      // Past the last index: the last; missing ones (0 or -1): an earlier one.
      {{5, 9, 14, 20}, 7, 3, 20, RGB(255, 0, 0)},
      {{5, -1, -1, -1}, 3, 0, 5, RGB(0, 0, 0)},
      {{5, 0, 12, -1}, 1, 0, 5, RGB(0, 0, 0)},
      // No alternate at all: the first spelling in its own colour.
      {{-1, -1, -1, -1}, 2, kFirstSpelling, 0, kFirstColour},
      {{0, 0, 0, 0}, 0, kFirstSpelling, 0, kFirstColour},
  };
  for (const ShownCase& c : cases) {
    EXPECT_EQ(ShownAlternate(c.offsets, c.alternate), c.shown) << c.alternate;
    EXPECT_EQ(ShownSpellingOffset(c.offsets, c.alternate), c.offset) << c.alternate;
    EXPECT_EQ(ShownSpellingColour(c.offsets, c.alternate, kFirstColour), c.colour) << c.alternate;
  }
}

}  // namespace
