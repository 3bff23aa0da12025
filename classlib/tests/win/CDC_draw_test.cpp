// Drawing into a memory DC, checked pixel by pixel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "classlib/tests/win/MemoryDCFixture.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CRgn.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace {

using DrawingTest = MemoryDCTest;

TEST_F(DrawingTest, FillSolidRectFillsExactlyTheRectangleAndKeepsTheColourAsBackground) {
  m_dc.FillSolidRect(CRect(10, 20, 30, 25), kRed);
  EXPECT_TRUE(AllPixels(CRect(10, 20, 30, 25), kRed));
  EXPECT_TRUE(AllPixels(CRect(9, 19, 31, 20), kWhite));
  EXPECT_TRUE(AllPixels(CRect(9, 25, 31, 26), kWhite));
  EXPECT_TRUE(AllPixels(CRect(9, 20, 10, 25), kWhite));
  EXPECT_TRUE(AllPixels(CRect(30, 20, 31, 25), kWhite));
  EXPECT_EQ(kRed, m_dc.GetBkColor());
}

TEST_F(DrawingTest, Draw3dRectGivesTopAndLeftOneColourAndBottomAndRightTheOther) {
  m_dc.Draw3dRect(CRect(10, 10, 20, 16), kRed, kBlue);
  struct Expected {
    int x, y;
    COLORREF color;
  } const cases[] = {
      {10, 10, kRed},   {18, 10, kRed},   {10, 14, kRed},    // top and left sides
      {19, 10, kBlue},  {19, 15, kBlue},  {10, 15, kBlue},   // the corners they meet at
      {15, 15, kBlue},  {19, 12, kBlue},                     // bottom and right sides
      {15, 12, kWhite}, {20, 12, kWhite}, {15, 16, kWhite},  // inside and outside
  };
  for (const Expected& e : cases) {
    EXPECT_EQ(e.color, m_dc.GetPixel(e.x, e.y)) << "at " << e.x << ", " << e.y;
  }
}

TEST_F(DrawingTest, DrawEdgeUsesTheSystemShadowAndHighlightColours) {
  CRect rect(10, 10, 40, 30);
  ASSERT_TRUE(m_dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT));
  // A sunken edge: shadow outside top-left, highlight outside bottom-right.
  EXPECT_EQ(m_dc.GetNearestColor(::GetSysColor(COLOR_BTNSHADOW)), m_dc.GetPixel(20, 10));
  EXPECT_EQ(m_dc.GetNearestColor(::GetSysColor(COLOR_BTNSHADOW)), m_dc.GetPixel(10, 20));
  EXPECT_EQ(m_dc.GetNearestColor(::GetSysColor(COLOR_BTNHIGHLIGHT)), m_dc.GetPixel(20, 29));
  EXPECT_EQ(m_dc.GetNearestColor(::GetSysColor(COLOR_BTNHIGHLIGHT)), m_dc.GetPixel(39, 20));
  EXPECT_EQ(m_dc.GetNearestColor(::GetSysColor(COLOR_3DDKSHADOW)), m_dc.GetPixel(20, 11));
  // With BF_ADJUST the rectangle shrinks to the inside of the edge.
  CRect adjusted(10, 10, 40, 30);
  m_dc.DrawEdge(&adjusted, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  EXPECT_EQ(CRect(12, 12, 38, 28), adjusted);
}

TEST_F(DrawingTest, LineToDrawsUpToButNotIncludingTheEndPoint) {
  CPen pen(PS_SOLID, 1, kBlue);
  CPen* pOld = m_dc.SelectObject(&pen);
  EXPECT_EQ(CPoint(0, 0), m_dc.MoveTo(5, 7));
  ASSERT_TRUE(m_dc.LineTo(25, 7));
  EXPECT_EQ(CPoint(25, 7), m_dc.GetCurrentPosition());
  EXPECT_TRUE(AllPixels(CRect(5, 7, 25, 8), kBlue));
  EXPECT_EQ(kWhite, m_dc.GetPixel(4, 7));
  EXPECT_EQ(kWhite, m_dc.GetPixel(25, 7));
  m_dc.SelectObject(pOld);
}

TEST_F(DrawingTest, RectangleAndRoundRectFrameWithThePenAndFillWithTheBrush) {
  CPen pen(PS_SOLID, 1, kBlue);
  CBrush brush(kGreen);
  CPen* pOldPen = m_dc.SelectObject(&pen);
  CBrush* pOldBrush = m_dc.SelectObject(&brush);
  m_dc.Rectangle(CRect(2, 2, 12, 12));
  EXPECT_TRUE(AllPixels(CRect(2, 2, 12, 3), kBlue));
  EXPECT_TRUE(AllPixels(CRect(11, 2, 12, 12), kBlue));
  EXPECT_TRUE(AllPixels(CRect(3, 3, 11, 11), kGreen));
  EXPECT_EQ(kWhite, m_dc.GetPixel(12, 12));

  m_dc.RoundRect(CRect(20, 20, 50, 50), CPoint(10, 10));
  EXPECT_EQ(kGreen, m_dc.GetPixel(35, 35));
  EXPECT_EQ(kBlue, m_dc.GetPixel(35, 20));
  EXPECT_EQ(kWhite, m_dc.GetPixel(20, 20));  // the corner is rounded off
  m_dc.SelectObject(pOldPen);
  m_dc.SelectObject(pOldBrush);
}

TEST_F(DrawingTest, FillRectAndFrameRectUseTheBrush) {
  CBrush red(kRed);
  CBrush blue(kBlue);
  m_dc.FillRect(CRect(0, 0, 10, 10), &red);
  m_dc.FrameRect(CRect(20, 20, 30, 30), &blue);
  EXPECT_TRUE(AllPixels(CRect(0, 0, 10, 10), kRed));
  EXPECT_TRUE(AllPixels(CRect(20, 20, 30, 21), kBlue));
  EXPECT_TRUE(AllPixels(CRect(21, 21, 29, 29), kWhite));
}

TEST_F(DrawingTest, SetPixelAndExtFloodFillStopAtTheBorder) {
  EXPECT_EQ(kRed, m_dc.SetPixel(CPoint(1, 1), kRed));
  EXPECT_EQ(kRed, m_dc.GetPixel(CPoint(1, 1)));

  CBrush frame(kBlack);
  m_dc.FrameRect(CRect(10, 10, 30, 30), &frame);
  CBrush fill(kGreen);
  CBrush* pOld = m_dc.SelectObject(&fill);
  ASSERT_TRUE(m_dc.ExtFloodFill(20, 20, kBlack, FLOODFILLBORDER));
  m_dc.SelectObject(pOld);
  EXPECT_TRUE(AllPixels(CRect(11, 11, 29, 29), kGreen));
  EXPECT_EQ(kBlack, m_dc.GetPixel(10, 10));
  EXPECT_EQ(kWhite, m_dc.GetPixel(31, 31));
}

TEST_F(DrawingTest, BitBltCopiesAndStretchBltScalesEachPixelToABlock) {
  CDC source;
  ASSERT_TRUE(source.CreateCompatibleDC(&m_dc));
  CBitmap bits;
  ASSERT_TRUE(bits.CreateCompatibleBitmap(&m_dc, 2, 2));
  CBitmap* pOld = source.SelectObject(&bits);
  source.SetPixel(0, 0, kRed);
  source.SetPixel(1, 0, kGreen);
  source.SetPixel(0, 1, kBlue);
  source.SetPixel(1, 1, kBlack);

  ASSERT_TRUE(m_dc.BitBlt(40, 40, 2, 2, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(kRed, m_dc.GetPixel(40, 40));
  EXPECT_EQ(kBlack, m_dc.GetPixel(41, 41));

  ASSERT_TRUE(m_dc.StretchBlt(0, 0, 8, 8, &source, 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(AllPixels(CRect(0, 0, 4, 4), kRed));
  EXPECT_TRUE(AllPixels(CRect(4, 0, 8, 4), kGreen));
  EXPECT_TRUE(AllPixels(CRect(0, 4, 4, 8), kBlue));
  EXPECT_TRUE(AllPixels(CRect(4, 4, 8, 8), kBlack));
  source.SelectObject(pOld);
}

TEST_F(DrawingTest, PatBltWithTheHalftoneBrushGivesACheckerboard) {
  CBrush* pHalftone = CDC::GetHalftoneBrush();
  ASSERT_NE(nullptr, pHalftone);
  EXPECT_EQ(pHalftone, CDC::GetHalftoneBrush());
  m_dc.SetTextColor(kBlack);
  m_dc.SetBkColor(kWhite);
  CBrush* pOld = m_dc.SelectObject(pHalftone);
  ASSERT_TRUE(m_dc.PatBlt(0, 0, 16, 16, PATCOPY));
  m_dc.SelectObject(pOld);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      COLORREF expected = (x + y) % 2 == 0 ? kBlack : kWhite;
      ASSERT_EQ(expected, m_dc.GetPixel(x, y)) << "at " << x << ", " << y;
    }
  }
}

// The halftone and focus patterns invert every other pixel.
TEST_F(DrawingTest, DrawFocusRectAndDrawDragRectUndoThemselves) {
  CRect first(10, 10, 40, 40);
  CRect second(14, 12, 44, 42);
  CSize border(3, 3);

  m_dc.DrawDragRect(first, border, nullptr, border);
  EXPECT_FALSE(AllPixels(CRect(10, 10, 12, 11), kWhite));  // on the frame
  EXPECT_FALSE(AllPixels(CRect(12, 25, 13, 27), kWhite));
  EXPECT_TRUE(AllPixels(CRect(13, 13, 37, 37), kWhite));     // inside it
  EXPECT_TRUE(AllPixels(CRect(0, 0, 10, kHeight), kWhite));  // outside it

  // Moving erases the old frame where the new one does not lie.
  m_dc.DrawDragRect(second, border, first, border);
  EXPECT_TRUE(AllPixels(CRect(10, 10, 14, 12), kWhite));
  EXPECT_FALSE(AllPixels(CRect(14, 12, 16, 13), kWhite));
  // Ending the drag with an empty frame erases the last one.
  m_dc.DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), second, border);
  EXPECT_TRUE(AllPixels(CRect(0, 0, kWidth, kHeight), kWhite));

  m_dc.DrawFocusRect(first);
  EXPECT_FALSE(AllPixels(CRect(10, 10, 12, 11), kWhite));
  m_dc.DrawFocusRect(first);
  EXPECT_TRUE(AllPixels(CRect(0, 0, kWidth, kHeight), kWhite));
}

TEST_F(DrawingTest, TextExtentGrowsWithTheTextAndMatchesTheMetrics) {
  m_dc.SelectStockObject(DEFAULT_GUI_FONT);
  TEXTMETRIC metrics = {};
  ASSERT_TRUE(m_dc.GetTextMetrics(&metrics));
  CSize one = m_dc.GetTextExtent("W", 1);
  CSize three = m_dc.GetTextExtent(CString("WWW"));
  EXPECT_GT(one.cx, 0);
  EXPECT_EQ(3 * one.cx, three.cx);
  EXPECT_EQ(metrics.tmHeight, one.cy);
  EXPECT_EQ(0, m_dc.GetTextExtent("", 0).cx);
  EXPECT_EQ(three, m_dc.GetOutputTextExtent("WWW", 3));

  CRect calc(0, 0, 0, 0);
  int height = m_dc.DrawText(CString("WWW"), &calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(metrics.tmHeight, height);
  EXPECT_EQ(three.cx, calc.Width());
}

TEST_F(DrawingTest, TextOutDrawsInTheTextColourAndExtTextOutOpaqueFillsItsRectangle) {
  m_dc.SelectStockObject(DEFAULT_GUI_FONT);
  m_dc.SetBkMode(TRANSPARENT);
  m_dc.SetTextColor(kBlue);
  ASSERT_TRUE(m_dc.TextOut(2, 2, CString("Hello")));
  CSize extent = m_dc.GetTextExtent("Hello", 5);
  int blue = 0;
  for (int y = 2; y < 2 + extent.cy; ++y) {
    for (int x = 2; x < 2 + extent.cx; ++x) blue += m_dc.GetPixel(x, y) == kBlue;
  }
  EXPECT_GT(blue, 5);

  CRect box(0, 40, 30, 50);
  m_dc.SetBkColor(kGreen);
  ASSERT_TRUE(m_dc.ExtTextOut(0, 40, ETO_OPAQUE | ETO_CLIPPED, box, CString(""), nullptr));
  EXPECT_TRUE(AllPixels(box, kGreen));
}

// A DC that counts its text output, as a preview DC redirects it.
class CCountingDC : public CDC {
 public:
  BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount) override {
    ++m_nTextOuts;
    return CDC::TextOut(x, y, lpszString, nCount);
  }
  int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) override {
    ++m_nDrawTexts;
    return CDC::DrawText(lpszString, nCount, lpRect, nFormat);
  }
  int m_nTextOuts = 0;
  int m_nDrawTexts = 0;
};

TEST_F(DrawingTest, TextOutputGoesThroughTheVirtualsFromEveryForm) {
  CCountingDC counting;
  counting.SetOutputDC(m_dc.m_hDC);
  counting.SetAttribDC(m_dc.m_hDC);
  CDC& dc = counting;
  dc.TextOut(0, 0, CString("abc"));
  CRect rect(0, 0, 50, 20);
  dc.DrawText(CString("abc"), &rect, DT_SINGLELINE);
  EXPECT_EQ(1, counting.m_nTextOuts);
  EXPECT_EQ(1, counting.m_nDrawTexts);
  counting.ReleaseOutputDC();
  counting.ReleaseAttribDC();
}

TEST_F(DrawingTest, ClippingLimitsOutput) {
  CRgn region;
  ASSERT_TRUE(region.CreateRectRgn(10, 10, 20, 20));
  EXPECT_EQ(SIMPLEREGION, m_dc.SelectObject(&region));
  CRect box;
  EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&box));
  EXPECT_EQ(CRect(10, 10, 20, 20), box);
  EXPECT_TRUE(m_dc.PtVisible(15, 15));
  EXPECT_FALSE(m_dc.PtVisible(5, 5));
  EXPECT_EQ(COMPLEXREGION, m_dc.ExcludeClipRect(12, 12, 14, 14));

  m_dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
  EXPECT_EQ(kRed, m_dc.GetPixel(10, 10));
  EXPECT_EQ(kWhite, m_dc.GetPixel(12, 12));
  EXPECT_EQ(kWhite, m_dc.GetPixel(9, 9));
  EXPECT_EQ(kWhite, m_dc.GetPixel(20, 20));

  EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(nullptr));
  EXPECT_EQ(SIMPLEREGION, m_dc.IntersectClipRect(CRect(0, 0, 5, 5)));
  EXPECT_EQ(SIMPLEREGION, m_dc.OffsetClipRgn(CSize(1, 1)));
  EXPECT_TRUE(m_dc.RectVisible(CRect(1, 1, 2, 2)));
  EXPECT_FALSE(m_dc.RectVisible(CRect(0, 0, 1, 1)));
  m_dc.SelectClipRgn(nullptr);
}

TEST_F(DrawingTest, MappingConvertsPointsAndRectanglesWithTheOriginsAndSizesWithoutThem) {
  EXPECT_EQ(MM_TEXT, m_dc.SetMapMode(MM_ANISOTROPIC));
  m_dc.SetWindowExt(1, 1);
  m_dc.SetViewportExt(CSize(3, 2));
  m_dc.SetViewportOrg(CPoint(100, 50));
  EXPECT_EQ(MM_ANISOTROPIC, m_dc.GetMapMode());
  EXPECT_EQ(CSize(3, 2), m_dc.GetViewportExt());
  EXPECT_EQ(CPoint(100, 50), m_dc.GetViewportOrg());

  CPoint point(10, 10);
  m_dc.LPtoDP(&point);
  EXPECT_EQ(CPoint(130, 70), point);
  m_dc.DPtoLP(&point);
  EXPECT_EQ(CPoint(10, 10), point);

  CRect rect(0, 0, 10, 10);
  m_dc.LPtoDP(&rect);
  EXPECT_EQ(CRect(100, 50, 130, 70), rect);
  m_dc.DPtoLP(&rect);
  EXPECT_EQ(CRect(0, 0, 10, 10), rect);

  CSize size(10, 10);
  m_dc.LPtoDP(&size);
  EXPECT_EQ(CSize(30, 20), size);
  m_dc.DPtoLP(&size);
  EXPECT_EQ(CSize(10, 10), size);

  EXPECT_EQ(CPoint(100, 50), m_dc.OffsetViewportOrg(5, 5));
  EXPECT_EQ(CPoint(0, 0), m_dc.SetWindowOrg(2, 2));
  EXPECT_EQ(CPoint(2, 2), m_dc.GetWindowOrg());
  m_dc.SetMapMode(MM_TEXT);
}

TEST_F(DrawingTest, DeviceFacts) {
  EXPECT_GT(m_dc.GetDeviceCaps(LOGPIXELSY), 0);
  EXPECT_FALSE(m_dc.IsPrinting());
  // A memory DC is no printer: a document cannot start on it.
  EXPECT_LE(m_dc.StartDoc("test"), 0);
}

// The system draws its caption buttons' glyphs with its symbol font; where
// that font is missing a letter or an empty box stands in for the cross.
TEST_F(DrawingTest, TheCaptionCloseGlyphIsACross) {
  constexpr int kButton = 32;
  constexpr int kEdge = 2;  // the raised edge around the face
  CRect button(0, 0, kButton, kButton);
  m_dc.DrawFrameControl(&button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  RgbImage face = CaptureDC(m_dc, kEdge, kEdge, kButton - 2 * kEdge, kButton - 2 * kEdge);
  SaveScreenshot(CaptureDC(m_dc, 0, 0, kButton, kButton), "classlib_caption_close_glyph");
  const PixelTest ink = IsColor(::GetSysColor(COLOR_BTNTEXT));
  const RECT box = BoundingBox(face, ink);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  ASSERT_GE(width, 4) << "no glyph";
  EXPECT_LE(std::abs(width - height), 1) << "a cross fills a square";
  // Ink within a pixel of the point, which is given as a fraction of the box.
  auto inkNear = [&](double fx, double fy) {
    const int x = box.left + static_cast<int>(fx * width + 0.5);
    const int y = box.top + static_cast<int>(fy * height + 0.5);
    return CountPixels(face, RECT{x - 1, y - 1, x + 2, y + 2}, ink) > 0;
  };
  // Both diagonals are inked from end to end...
  for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
    EXPECT_TRUE(inkNear(t, t)) << "falling diagonal at " << t;
    EXPECT_TRUE(inkNear(1.0 - t, t)) << "rising diagonal at " << t;
  }
  // ...and the middles of the sides, which a box or a letter would ink, are bare.
  for (auto [fx, fy] : {std::pair{0.5, 0.0}, {0.5, 1.0}, {0.0, 0.5}, {1.0, 0.5}}) {
    EXPECT_FALSE(inkNear(fx, fy)) << "side middle at " << fx << ", " << fy;
  }
}

// Leaves a picture of the drawing calls for a person to look at.
TEST_F(DrawingTest, ScreenshotOfTheDrawingCalls) {
  m_dc.FillSolidRect(0, 0, kWidth, kHeight, ::GetSysColor(COLOR_BTNFACE));
  m_dc.Draw3dRect(CRect(2, 2, 30, 20), ::GetSysColor(COLOR_BTNHIGHLIGHT),
                  ::GetSysColor(COLOR_BTNSHADOW));
  CRect edge(34, 2, 62, 20);
  m_dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);
  CPen pen(PS_SOLID, 1, kBlue);
  CPen* pOld = m_dc.SelectObject(&pen);
  m_dc.MoveTo(2, 24);
  m_dc.LineTo(62, 40);
  m_dc.SelectObject(pOld);
  m_dc.SetTextColor(kBlack);
  m_dc.SetBkColor(kWhite);
  CBrush* pOldBrush = m_dc.SelectObject(CDC::GetHalftoneBrush());
  m_dc.PatBlt(2, 44, 20, 18, PATCOPY);
  m_dc.SelectObject(pOldBrush);
  CRect button(26, 44, 44, 62);
  m_dc.DrawFrameControl(&button, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);

  RgbImage image = CaptureDC(m_dc, 0, 0, kWidth, kHeight);
  EXPECT_EQ(0x0000FFu, image.PixelAt(2, 24));
  std::string path = SaveScreenshot(image, "classlib_cdc_drawing");
  EXPECT_FALSE(path.empty());
}

}  // namespace
