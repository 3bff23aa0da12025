#include "toolkit/core/KWShadowBands.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGrey = 0x00808080;

COLORREF Grey(int level) { return static_cast<COLORREF>(level | level << 8 | level << 16); }

TEST(KWDarkenColor, ClampsEachChannel) {
  EXPECT_EQ(KWDarkenColor(0x00102030, 0x18), 0x00000818u);
  EXPECT_EQ(KWDarkenColor(0xFF808080, 15), Grey(0x71));
  EXPECT_EQ(KWDarkenColor(0x00808080, -200), 0x00FFFFFFu);
}

TEST(KWShadowAmount, RingsFadeOutwardAndTheRightBandOwnsTheCorner) {
  const CRect r(0, 0, 20, 20);
  struct {
    int x, y, darkness, amount;
  } const cases[] = {
      {16, 10, 100, 60}, {17, 10, 100, 45}, {18, 10, 100, 30}, {19, 10, 100, 15},
      {10, 16, 100, 60}, {10, 19, 100, 15},
      // Corner pixels: the right band's, ring by the nearer edge.
      {19, 19, 100, 15}, {16, 16, 100, 60}, {16, 19, 100, 15},
      // The bands start 4 pixels from the top and left ends.
      {17, 3, 100, -1}, {17, 4, 100, 45}, {3, 17, 100, -1}, {4, 17, 100, 45},
      // Right band top at y 4..: ring 0 needs y >= 3, so y 4 is ring 0 at x 16.
      {16, 4, 100, 60},
      // Inside and outside the rectangle.
      {10, 10, 100, -1}, {20, 10, 100, -1}, {10, 20, 100, -1},
      // Darkness scales in integer arithmetic.
      {16, 10, 50, 30}, {19, 10, 50, 7}, {16, 10, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KWShadowAmount(r, c.x, c.y, c.darkness), c.amount) << c.x << "," << c.y;
}

TEST(KWDrawShadow, DarkensOnlyTheBands) {
  KWPixelBuffer buffer(24, 24, kGrey);
  const CRect r(2, 2, 22, 22);
  KWDrawShadow(buffer, r, kKWShadowDarkness);
  int changed = 0;
  for (int y = 0; y < buffer.height; ++y) {
    for (int x = 0; x < buffer.width; ++x) {
      int amount = KWShadowAmount(r, x, y, kKWShadowDarkness);
      EXPECT_EQ(buffer.At(x, y), amount < 0 ? kGrey : KWDarkenColor(kGrey, amount)) << x << "," << y;
      changed += amount >= 0;
    }
  }
  // Right band 4 x 16, bottom band 4 x 12.
  EXPECT_EQ(changed, 4 * 16 + 4 * 12);
}

TEST(KWDrawShadow, SmallRectanglesAndBufferEdgesTouchNothingOutside) {
  struct {
    CRect r;
    int pixels;
  } const cases[] = {
      {CRect(0, 0, 8, 8), 4 * 4},
      {CRect(0, 0, 6, 6), 4 * 2},
      {CRect(0, 0, 3, 3), 0},
      {CRect(-10, -10, 14, 14), 4 * 14 + 4 * 10},  // partly beyond the buffer
  };
  for (const auto& c : cases) {
    KWPixelBuffer buffer(16, 16, kGrey);
    KWDrawShadow(buffer, c.r, kKWShadowDarkness);
    int changed = 0;
    for (COLORREF pixel : buffer.pixels) changed += pixel != kGrey;
    EXPECT_EQ(changed, c.pixels) << c.r.right;
  }
}

}  // namespace
