#include "toolkit/core/CKWColorSet.h"

#include <gtest/gtest.h>

namespace {

struct SystemPalette {
  const char* name;
  COLORREF face, shadow, window, highlight, highlightText, menuText;
};

// The derived colours in the order of the fields below.
struct DerivedColors {
  COLORREF lightFace, faceTint, faceShade, shadowDark, windowTint, faceDeep, shadowLight,
      faceBright, highlightPale, highlightMid, highlightFace, highlightMidText;
};

struct PaletteCase {
  SystemPalette palette;
  DerivedColors derived;
};

// clang-format off
const PaletteCase kPalettes[] = {
    {{"classic grey with navy highlight", RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 255, 255),
      RGB(0, 0, 128), RGB(255, 255, 255), RGB(0, 0, 0)},
     {RGB(210, 210, 210), RGB(202, 202, 202), RGB(185, 185, 185), RGB(102, 102, 102),
      RGB(246, 246, 246), RGB(166, 166, 166), RGB(159, 159, 159), RGB(222, 222, 222),
      RGB(178, 178, 216), RGB(127, 127, 191), RGB(201, 201, 217), RGB(255, 255, 255)}},
    // The lifted faces clamp at white.
    {{"white face", RGB(255, 255, 255), RGB(160, 160, 160), RGB(255, 255, 255),
      RGB(51, 153, 255), RGB(255, 255, 255), RGB(0, 0, 0)},
     {RGB(255, 255, 255), RGB(255, 255, 255), RGB(245, 245, 245), RGB(128, 128, 128),
      RGB(255, 255, 255), RGB(195, 195, 195), RGB(183, 183, 183), RGB(255, 255, 255),
      RGB(193, 224, 255), RGB(153, 204, 255), RGB(229, 242, 255), RGB(0, 0, 0)}},
    {{"high contrast black", RGB(0, 0, 0), RGB(128, 128, 128), RGB(0, 0, 0),
      RGB(128, 0, 128), RGB(255, 255, 255), RGB(255, 255, 255)},
     {RGB(18, 18, 18), RGB(0, 0, 0), RGB(12, 12, 12), RGB(102, 102, 102),
      RGB(0, 0, 0), RGB(0, 0, 0), RGB(96, 96, 96), RGB(30, 30, 30),
      RGB(38, 0, 38), RGB(64, 0, 64), RGB(24, 8, 24), RGB(255, 255, 255)}},
    // Only the blue channel of the light face clamps.
    {{"warm yellow face", RGB(240, 230, 140), RGB(172, 168, 153), RGB(250, 250, 240),
      RGB(49, 106, 197), RGB(255, 255, 255), RGB(10, 10, 10)},
     {RGB(255, 248, 158), RGB(241, 233, 157), RGB(233, 223, 141), RGB(137, 134, 122),
      RGB(248, 247, 226), RGB(187, 182, 137), RGB(191, 188, 174), RGB(255, 255, 170),
      RGB(189, 206, 227), RGB(149, 178, 218), RGB(227, 231, 194), RGB(10, 10, 10)}},
};
// clang-format on

CKWColorSet WithSystemColors(const SystemPalette& palette) {
  CKWColorSet colors;
  colors.clrBtnFace = palette.face;
  colors.clrBtnShadow = palette.shadow;
  colors.clrWindow = palette.window;
  colors.clrHighlight = palette.highlight;
  colors.clrHighlightText = palette.highlightText;
  colors.clrMenuText = palette.menuText;
  return colors;
}

TEST(CKWColorSet, DerivesEveryColourOfSeveralSystemPalettes) {
  for (const PaletteCase& c : kPalettes) {
    SCOPED_TRACE(c.palette.name);
    CKWColorSet colors = WithSystemColors(c.palette);
    colors.DeriveColors();
    EXPECT_EQ(colors.clrLightFace, c.derived.lightFace);
    EXPECT_EQ(colors.clrFaceTint, c.derived.faceTint);
    EXPECT_EQ(colors.clrFaceShade, c.derived.faceShade);
    EXPECT_EQ(colors.clrShadowDark, c.derived.shadowDark);
    EXPECT_EQ(colors.clrWindowTint, c.derived.windowTint);
    EXPECT_EQ(colors.clrFaceDeep, c.derived.faceDeep);
    EXPECT_EQ(colors.clrShadowLight, c.derived.shadowLight);
    EXPECT_EQ(colors.clrFaceBright, c.derived.faceBright);
    EXPECT_EQ(colors.clrHighlightPale, c.derived.highlightPale);
    EXPECT_EQ(colors.clrHighlightMid, c.derived.highlightMid);
    EXPECT_EQ(colors.clrHighlightFace, c.derived.highlightFace);
    EXPECT_EQ(colors.clrHighlightMidText, c.derived.highlightMidText);
  }
}

TEST(CKWColorSet, HighlightMidTextSwitchesToMenuTextOnlyAboveLuminance148) {
  const COLORREF kMenuText = RGB(1, 2, 3), kHighlightText = RGB(4, 5, 6);
  // A grey highlight halfway to a white window: the mid grey is (grey + 255) / 2.
  struct {
    int highlightGrey;
    int midGrey;
    COLORREF text;
  } const cases[] = {{39, 147, kHighlightText}, {41, 148, kHighlightText}, {43, 149, kMenuText}};
  for (const auto& c : cases) {
    CKWColorSet colors;
    colors.clrWindow = RGB(255, 255, 255);
    colors.clrHighlight = RGB(c.highlightGrey, c.highlightGrey, c.highlightGrey);
    colors.clrMenuText = kMenuText;
    colors.clrHighlightText = kHighlightText;
    colors.DeriveColors();
    EXPECT_EQ(colors.clrHighlightMid, RGB(c.midGrey, c.midGrey, c.midGrey));
    EXPECT_EQ(colors.clrHighlightMidText, c.text) << "mid grey " << c.midGrey;
  }
}

}  // namespace
