#include "toolkit/core/DialogFontScale.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogFontScale, ScalesChildrenByTheCellRatiosMultiplyingFirst) {
  // Cells 6 x 13 to 7 x 16.
  const DialogFontScale scale{6, 13, 7, 16};
  EXPECT_EQ(scale.ScaleChild(CRect(7, 10, 61, 24)), CRect(8, 12, 71, 29));
  EXPECT_EQ(scale.ScaleX(5), 5);  // 35 / 6, where 5 / 6 * 7 would give 0
}

TEST(DialogFontScale, KeepsTheCentreAndTheBorders) {
  const DialogFontScale scale{6, 13, 9, 26};
  // A 200 x 100 client inside a window with 4-pixel borders and a 20-pixel caption.
  CRect window(100, 100, 308, 228);
  CRect result = scale.ScaleWindow(window, CSize(200, 100));
  EXPECT_EQ(result.Width(), 300 + 8);
  EXPECT_EQ(result.Height(), 200 + 28);
  EXPECT_EQ(result.left, 50);
  EXPECT_EQ(result.top, 50);
}

TEST(DialogFontScale, AFontWithoutACellLeavesEverySizeAlone) {
  const DialogFontScale cases[] = {{0, 13, 7, 16}, {6, 0, 7, 16}, {6, 13, 0, 16}, {6, 13, 7, 0}};
  for (const DialogFontScale& scale : cases) {
    EXPECT_FALSE(scale.IsValid());
    EXPECT_EQ(scale.ScaleChild(CRect(1, 2, 3, 4)), CRect(1, 2, 3, 4));
    EXPECT_EQ(scale.ScaleWindow(CRect(1, 2, 30, 40), CSize(20, 30)), CRect(1, 2, 30, 40));
  }
}

}  // namespace
