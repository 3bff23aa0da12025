// Three-dimensional frames and recoloured bitmaps, checked pixel by pixel.
#include "hebtext/win/DrawHelpers.h"

#include <gtest/gtest.h>

#include "hebtext/tests/win/HebrewTestFonts.h"

namespace {

TEST(DrawFrame3D, RaisedFilledFrameWithFocus) {
  Canvas canvas(40, 30);
  DrawFrame3D(canvas.dc(), RECT{0, 0, 40, 30}, TRUE, FALSE, TRUE);
  RgbImage image = canvas.Capture();
  SaveScreenshot(image, "frame3d-raised");
  EXPECT_EQ(image.PixelAt(0, 0), 0u);  // the black outline
  EXPECT_EQ(image.PixelAt(39, 29), 0u);
  EXPECT_EQ(image.PixelAt(1, 15), 0xFFFFFFu);   // light left edge
  EXPECT_EQ(image.PixelAt(20, 1), 0xFFFFFFu);   // light top edge
  EXPECT_EQ(image.PixelAt(20, 28), 0x808080u);  // grey bottom edge
  EXPECT_EQ(image.PixelAt(38, 15), 0x808080u);  // grey right edge
  EXPECT_EQ(image.PixelAt(20, 15), CaptureColor(::GetSysColor(COLOR_BTNFACE)));
  const int focusDots = CountPixels(image, RECT{2, 6, 3, 24}, IsColor(RGB(0, 0, 0)));
  EXPECT_GT(focusDots, 3);   // dotted: some black,
  EXPECT_LT(focusDots, 18);  // not all
}

TEST(DrawFrame3D, SunkenFrameWithoutFillHasABlackLightEdgeOnly) {
  Canvas canvas(40, 30);
  DrawFrame3D(canvas.dc(), RECT{0, 0, 40, 30}, FALSE, TRUE, FALSE);
  RgbImage image = canvas.Capture();
  EXPECT_EQ(image.PixelAt(1, 15), 0u);
  EXPECT_EQ(image.PixelAt(20, 1), 0u);
  EXPECT_EQ(image.PixelAt(0, 0), 0xFFFFFFu);    // no outline
  EXPECT_EQ(image.PixelAt(20, 28), 0xFFFFFFu);  // no grey edge
  EXPECT_EQ(image.PixelAt(2, 15), 0xFFFFFFu);   // no focus frame
}

// A 20 x 10 bitmap: red with a blue bar across columns 8-11, so the red is
// in two separate areas.
HBITMAP MakeTwoAreaBitmap(HDC hScreen) {
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 20, 10);
  HDC hDC = ::CreateCompatibleDC(hScreen);
  HGDIOBJ old = ::SelectObject(hDC, hBitmap);
  RECT all{0, 0, 20, 10};
  RECT bar{8, 0, 12, 10};
  HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH blue = ::CreateSolidBrush(RGB(0, 0, 255));
  ::FillRect(hDC, &all, red);
  ::FillRect(hDC, &bar, blue);
  ::DeleteObject(red);
  ::DeleteObject(blue);
  ::SelectObject(hDC, old);
  ::DeleteDC(hDC);
  return hBitmap;
}

COLORREF PixelOf(HBITMAP hBitmap, int x, int y) {
  HDC hDC = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(hDC, hBitmap);
  COLORREF color = ::GetPixel(hDC, x, y);
  ::SelectObject(hDC, old);
  ::DeleteDC(hDC);
  return color;
}

TEST(RecolorBitmap, ReplacesEveryPixelOrTheAreaAroundThePoint) {
  HDC hScreen = ::GetDC(nullptr);
  const COLORREF face = ::GetNearestColor(hScreen, ::GetSysColor(COLOR_BTNFACE));
  HBITMAP hEvery = MakeTwoAreaBitmap(hScreen);
  HBITMAP hFlood = MakeTwoAreaBitmap(hScreen);
  ::ReleaseDC(nullptr, hScreen);
  ASSERT_TRUE(RecolorBitmap(nullptr, hEvery, kRecolorEveryPixel, POINT{2, 2}));
  EXPECT_EQ(PixelOf(hEvery, 2, 2), face);
  EXPECT_EQ(PixelOf(hEvery, 15, 5), face);
  EXPECT_EQ(PixelOf(hEvery, 9, 5), RGB(0, 0, 255));
  ASSERT_TRUE(RecolorBitmap(nullptr, hFlood, kRecolorFloodFill, POINT{2, 2}));
  EXPECT_EQ(PixelOf(hFlood, 2, 2), face);
  EXPECT_EQ(PixelOf(hFlood, 7, 9), face);
  EXPECT_EQ(PixelOf(hFlood, 15, 5), RGB(255, 0, 0));  // beyond the bar: untouched
  EXPECT_EQ(PixelOf(hFlood, 9, 5), RGB(0, 0, 255));
  EXPECT_FALSE(RecolorBitmap(nullptr, nullptr, kRecolorEveryPixel, POINT{0, 0}));
  ::DeleteObject(hEvery);
  ::DeleteObject(hFlood);
}

}  // namespace
