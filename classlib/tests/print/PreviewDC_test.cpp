// The preview DC: what a view draws in the printer's terms lands on the
// screen scaled by the ratio, moved to the page's corner and clipped to the
// page, whatever mapping the view sets on the printer.
#include <gtest/gtest.h>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CPreviewDC.h"
#include "classlib/win/WindowDCs.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kScreenWidth = 200;
constexpr int kScreenHeight = 160;
// A tenth of the printer's size, on the screen at (20, 30).
constexpr int kRatioNum = 1;
constexpr int kRatioDen = 10;
const CSize kTopLeft(20, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// The view's own units: the page is this many a side.
constexpr int kLogicalPage = 100;

class PreviewDCTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CClientDC screen(nullptr);
    // A memory DC stands for the printer: the preview only asks it its size and mapping.
    ASSERT_TRUE(m_printer.CreateCompatibleDC(&screen));
    ASSERT_TRUE(m_screen.CreateCompatibleDC(&screen));
    ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, kScreenWidth, kScreenHeight));
    m_pOldBitmap = m_screen.SelectObject(&m_bitmap);
    m_screen.FillSolidRect(0, 0, kScreenWidth, kScreenHeight, kWhite);
    m_sizePrinter = CSize(m_printer.GetDeviceCaps(HORZRES), m_printer.GetDeviceCaps(VERTRES));
    m_preview.SetAttribDC(m_printer.m_hDC);
    m_preview.SetOutputDC(m_screen.m_hDC);
    m_preview.SetScaleRatio(kRatioNum, kRatioDen);
    m_preview.SetTopLeftOffset(kTopLeft);
  }
  void TearDown() override {
    m_preview.ReleaseOutputDC();
    m_screen.SelectObject(m_pOldBitmap);
  }

  // The screen's pixel at pt, read past the mapping the preview gave the DC.
  COLORREF ScreenPixel(POINT pt) const {
    ScreenPixels pixels(m_screen.m_hDC);
    return ::GetPixel(m_screen.m_hDC, pt.x, pt.y);
  }
  // While it lives, the screen DC maps and clips as a plain DC.
  class ScreenPixels {
   public:
    explicit ScreenPixels(HDC hDC) : m_hDC(hDC), m_nSaved(::SaveDC(hDC)) {
      ::SetMapMode(hDC, MM_TEXT);
      ::SetWindowOrgEx(hDC, 0, 0, nullptr);
      ::SetViewportOrgEx(hDC, 0, 0, nullptr);
      ::SelectClipRgn(hDC, nullptr);
    }
    ~ScreenPixels() { ::RestoreDC(m_hDC, m_nSaved); }

   private:
    HDC m_hDC;
    int m_nSaved;
  };
  // A printer pixel where the screen shows it.
  CPoint OnScreen(int x, int y) const {
    CPoint pt(x, y);
    m_preview.PrinterDPtoScreenDP(&pt);
    return pt;
  }

  CDC m_printer;
  CDC m_screen;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  CPreviewDC m_preview;
  CSize m_sizePrinter;
};

}  // namespace

TEST_F(PreviewDCTest, PrinterPixelsAreScaledAndMovedToThePagesCorner) {
  EXPECT_EQ(CPoint(kTopLeft.cx, kTopLeft.cy), OnScreen(0, 0));
  EXPECT_EQ(CPoint(kTopLeft.cx + m_sizePrinter.cx / kRatioDen,
                   kTopLeft.cy + m_sizePrinter.cy / kRatioDen),
            OnScreen(m_sizePrinter.cx, m_sizePrinter.cy));
  // The printer's top-left quarter, drawn in printer pixels.
  m_preview.FillSolidRect(0, 0, m_sizePrinter.cx / 2, m_sizePrinter.cy / 2, kRed);
  const CPoint ptMiddle = OnScreen(m_sizePrinter.cx / 2, m_sizePrinter.cy / 2);
  EXPECT_EQ(kRed, ScreenPixel(OnScreen(0, 0)));
  EXPECT_EQ(kRed, ScreenPixel(ptMiddle - CSize(1, 1)));
  EXPECT_EQ(kWhite, ScreenPixel(ptMiddle));
  EXPECT_EQ(kWhite, ScreenPixel(OnScreen(0, 0) - CSize(1, 1)));
}

TEST_F(PreviewDCTest, TheScreenFollowsTheMappingTheViewSetsOnThePrinter) {
  // The view works in its own units, kLogicalPage a side.
  m_preview.SetMapMode(MM_ANISOTROPIC);
  m_preview.SetWindowExt(kLogicalPage, kLogicalPage);
  m_preview.SetViewportExt(m_sizePrinter.cx, m_sizePrinter.cy);
  EXPECT_EQ(MM_ANISOTROPIC, m_printer.GetMapMode());
  m_preview.FillSolidRect(kLogicalPage / 2, kLogicalPage / 2, kLogicalPage / 2, kLogicalPage / 2,
                          kBlue);
  const CPoint ptMiddle = OnScreen(m_sizePrinter.cx / 2, m_sizePrinter.cy / 2);
  const CPoint ptEnd = OnScreen(m_sizePrinter.cx, m_sizePrinter.cy);
  EXPECT_EQ(kBlue, ScreenPixel(ptMiddle + CSize(1, 1)));
  EXPECT_EQ(kBlue, ScreenPixel(ptEnd - CSize(1, 1)));
  EXPECT_EQ(kWhite, ScreenPixel(ptMiddle - CSize(1, 1)));
  SaveScreenshot(CaptureDC(m_screen.m_hDC, 0, 0, kScreenWidth, kScreenHeight),
                 "preview_dc_mapping");
}

TEST_F(PreviewDCTest, OutputStaysOnThePage) {
  m_preview.ClipToPage();
  // Twice the page's size, from its corner.
  m_preview.FillSolidRect(0, 0, 2 * m_sizePrinter.cx, 2 * m_sizePrinter.cy, kRed);
  const CPoint ptEnd = OnScreen(m_sizePrinter.cx, m_sizePrinter.cy);
  EXPECT_EQ(kRed, ScreenPixel(ptEnd - CSize(1, 1)));
  EXPECT_EQ(kWhite, ScreenPixel(ptEnd));
  EXPECT_EQ(kWhite, ScreenPixel(CPoint(ptEnd.x + 2, kTopLeft.cy)));
}
