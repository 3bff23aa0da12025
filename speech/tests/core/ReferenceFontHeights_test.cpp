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

namespace {

TEST(ReferenceFontHeights, DescriptionFontsBySizeAndItem) {
  struct Case {
    int screenHeight;
    int item;
    DescriptionFontSizes sizes;
  };
  const Case cases[] = {
      {480, 225, {26, 19, 13, 13}}, {512, 233, {26, 19, 13, 13}},  {600, 233, {29, 19, 11, 13}},
      {600, 225, {39, 20, 13, 14}}, {1024, 233, {39, 19, 13, 13}}, {768, 233, {39, 20, 13, 14}},
  };
  for (const Case& c : cases) {
    const DescriptionFontSizes sizes = GetDescriptionFontSizes(c.screenHeight, c.item);
    EXPECT_EQ(sizes.item, c.sizes.item) << c.screenHeight << " " << c.item;
    EXPECT_EQ(sizes.example, c.sizes.example) << c.screenHeight << " " << c.item;
    EXPECT_EQ(sizes.button, c.sizes.button) << c.screenHeight << " " << c.item;
    EXPECT_EQ(sizes.meaning, c.sizes.meaning) << c.screenHeight << " " << c.item;
  }
  // 39 points on 768 lines: 62.4 -> 62 points at 96 pixels per inch -> 82.67.
  EXPECT_EQ(ReferenceFontPixelHeight(39, 768, 96), -83);
  EXPECT_EQ(ReferenceFontPixelHeight(13, 480, 96), -17);    // 17.33
  EXPECT_EQ(ReferenceFontPixelHeight(21, 1024, 120), -75);  // 44.8 -> 45 -> 75
}

}  // namespace
