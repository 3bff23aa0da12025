#include "toolkit/core/KWMenuMeasure.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCyMenu = 19;
constexpr int kCyDlgFrame = 3;

TEST(KWMeasuredMenuText, WidensTheTabOnly) {
  EXPECT_STREQ(KWMeasuredMenuText("&Open\tCtrl+O"), "&OpenXXXCtrl+O");
  EXPECT_STREQ(KWMeasuredMenuText("&Close"), "&Close");
  EXPECT_STREQ(KWMeasuredMenuText("a\tb\tc"), "aXXXb\tc");
}

TEST(KWMeasureMenuItem, PlainAndFlatLooks) {
  using K = KWMenuItemKind;
  struct {
    K kind;
    int textWidth;
    bool first, last, flat;
    CSize image;
    CSize expected;
  } const cases[] = {
      // Plain: separators half a menu line, text at least 100 wide and a menu line high.
      {K::kSeparator, 0, false, false, false, {16, 15}, {0, kCyMenu / 2}},
      {K::kText, 30, false, false, false, {16, 15}, {100, kCyMenu}},
      {K::kText, 90, false, false, false, {16, 15}, {2 * 16 + 2 + 90, kCyMenu}},
      {K::kText, 90, false, false, false, {24, 24}, {2 * 24 + 2 + 90, 24 + 4}},
      {K::kNoText, 0, false, false, false, {16, 15}, {100, kCyMenu}},
      {K::kChevron, 40, false, true, false, {16, 15}, {100, kCyMenu + 1}},
      // Plain: first and last items are not special.
      {K::kText, 90, true, true, false, {16, 15}, {124, kCyMenu}},
      // Flat: one image column, two more pixels, the ends carry the frame.
      {K::kText, 90, false, false, true, {16, 15}, {16 + 28 + 90, kCyMenu + 2}},
      {K::kText, 10, true, false, true, {16, 15}, {100, kCyMenu + 4}},
      {K::kText, 10, false, true, true, {16, 15}, {100, kCyMenu + 4 - 2 * kCyDlgFrame}},
      {K::kChevron, 10, false, true, true, {16, 15}, {100, 15 + 2 - 2 * kCyDlgFrame}},
      {K::kSeparator, 0, false, false, true, {16, 15}, {0, kCyMenu / 2 + 2}},
  };
  for (const auto& c : cases) {
    KWMenuItemMeasure item{c.kind, c.textWidth, c.first, c.last};
    KWMenuMetrics metrics{kCyMenu, kCyDlgFrame, c.image, c.flat};
    CSize size = KWMeasureMenuItem(item, metrics);
    EXPECT_EQ(size.cx, c.expected.cx) << static_cast<int>(c.kind) << " flat " << c.flat;
    EXPECT_EQ(size.cy, c.expected.cy) << static_cast<int>(c.kind) << " flat " << c.flat;
  }
}

}  // namespace
