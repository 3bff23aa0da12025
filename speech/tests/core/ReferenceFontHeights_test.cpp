#include "speech/core/ReferenceFontHeights.h"

#include <gtest/gtest.h>

namespace {

struct ScreenCase {
  int screenHeight;
  int keyFont;
  int dialogFont;
};

TEST(ReferenceFontHeights, FollowTheScreenHeightTablesAndTheirLines) {
  // clang-format off
  const ScreenCase cases[] = {
      {480, -19, -11}, {512, -20, -12}, {600, -23, -14}, {720, -28, -17}, {768, -30, -19},
      {800, -31, -19}, {864, -34, -21}, {900, -35, -22}, {960, -38, -24}, {1024, -40, -25},
      {1050, -41, -26}, {1152, -45, -29}, {1200, -47, -30},
      // Off the tables: -floor((h - 480) x slope + base + 0.5).
      {1080, -42, -27},  // 23.34 + 19.5 -> 42; 15.84 + 11.5 -> 27
      {1440, -56, -36},  // 37.34 + 19.5 -> 56; 25.34 + 11.5 -> 36
      {2160, -84, -55},  // 65.35 + 19.5 -> 84; 44.35 + 11.5 -> 55
  };
  // clang-format on
  for (const ScreenCase& c : cases) {
    EXPECT_EQ(KeyFontBaseHeight(c.screenHeight), c.keyFont) << c.screenHeight;
    EXPECT_EQ(ReferenceDialogFontHeight(c.screenHeight), c.dialogFont) << c.screenHeight;
  }
}

struct ScaleCase {
  int screenHeight;
  int scale;
  int pixelsPerInch;
  int viewFont;
  int dialogFont;
};

TEST(ReferenceFontHeights, KeyFontsScaleByDesignHeightScaleAndResolution) {
  const ScaleCase cases[] = {
      {768, 100, 96, -27, -30},    // -30 x 690 / 768 = -26.95
      {768, 100, 120, -34, -38},   // -27 x 120 / 96 = -33.75; -30 x 1.25 = -37.5
      {1024, 100, 96, -27, -40},   // -40 x 690 / 1024 = -26.95
      {480, 50, 96, -14, -19},     // -27.3 -> -27, halved -13.5 -> -14
      {1200, 100, 144, -41, -71},  // -27.03 -> -27, x 1.5 = -40.5 -> -41; -70.5 -> -71
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(KeyViewFontHeight(c.screenHeight, c.scale, c.pixelsPerInch), c.viewFont)
        << c.screenHeight << " " << c.scale << " " << c.pixelsPerInch;
    EXPECT_EQ(KeyMapDialogFontHeight(c.screenHeight, c.pixelsPerInch), c.dialogFont)
        << c.screenHeight << " " << c.pixelsPerInch;
  }
}

}  // namespace
