// The DCs of a real window: painting, client area and whole window. What was
// drawn is read back through the window's own DC: Wine puts a window's
// drawing on the screen a little later.
#include <gtest/gtest.h>

#include "classlib/win/CWnd.h"
#include "classlib/win/WindowDCs.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr COLORREF kPaintColour = RGB(0, 128, 0);

// Paints its client area in one colour through CPaintDC.
class PaintedWnd : public CWnd {
 public:
  int m_nPaints = 0;
  CRect m_rcPaint;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) {
      CPaintDC dc(this);
      ++m_nPaints;
      m_rcPaint = dc.m_ps.rcPaint;
      dc.FillSolidRect(&dc.m_ps.rcPaint, kPaintColour);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class WindowDCTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "dc test", WS_POPUP | WS_BORDER, 10, 10,
                               120, 80, nullptr, nullptr));
    // Shown without activation, a popup goes at once without a window manager.
    m_wnd.ShowWindow(SW_SHOWNA);
    ::UpdateWindow(m_wnd.m_hWnd);
  }
  void TearDown() override {
    m_wnd.DestroyWindow();
    CDC::DeleteTempMap();
  }

  // The whole window, frame included.
  RgbImage Capture() {
    CRect window;
    ::GetWindowRect(m_wnd.m_hWnd, &window);
    CWindowDC dc(&m_wnd);
    return CaptureDC(dc, 0, 0, window.Width(), window.Height());
  }

  PaintedWnd m_wnd;
};

TEST_F(WindowDCTest, PaintDCPaintsTheInvalidAreaAndValidatesIt) {
  EXPECT_GE(m_wnd.m_nPaints, 1);
  RECT client;
  ::GetClientRect(m_wnd.m_hWnd, &client);
  EXPECT_EQ(CRect(client), m_wnd.m_rcPaint);
  RgbImage image = Capture();
  EXPECT_EQ(0x008000u, image.PixelAt(image.width / 2, image.height / 2));

  // Nothing is left to paint: EndPaint validated the window.
  int paints = m_wnd.m_nPaints;
  ::UpdateWindow(m_wnd.m_hWnd);
  EXPECT_EQ(paints, m_wnd.m_nPaints);
  ::InvalidateRect(m_wnd.m_hWnd, CRect(0, 0, 10, 10), FALSE);
  ::UpdateWindow(m_wnd.m_hWnd);
  EXPECT_EQ(paints + 1, m_wnd.m_nPaints);
  EXPECT_EQ(CRect(0, 0, 10, 10), m_wnd.m_rcPaint);
}

TEST_F(WindowDCTest, ClientDCDrawsInTheClientAreaAndWindowDCOnTheFrame) {
  {
    CClientDC dc(&m_wnd);
    EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
    dc.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
    // The client DC's origin is the client area's corner, inside the border.
    POINT origin = {0, 0};
    ::ClientToScreen(m_wnd.m_hWnd, &origin);
    RECT window;
    ::GetWindowRect(m_wnd.m_hWnd, &window);
    EXPECT_GT(origin.x, window.left);
  }
  {
    CWindowDC dc(&m_wnd);
    dc.FillSolidRect(0, 0, 1, 1, RGB(0, 0, 255));
  }
  RgbImage image = Capture();
  POINT origin = {0, 0};
  ::ClientToScreen(m_wnd.m_hWnd, &origin);
  RECT window;
  ::GetWindowRect(m_wnd.m_hWnd, &window);
  int border = origin.x - window.left;
  EXPECT_EQ(0x0000FFu, image.PixelAt(0, 0));
  EXPECT_EQ(0xFF0000u, image.PixelAt(border, origin.y - window.top));
  EXPECT_EQ(0x008000u, image.PixelAt(border + 6, origin.y - window.top + 6));
}

TEST_F(WindowDCTest, ANullWindowGivesTheScreen) {
  CClientDC dc(nullptr);
  EXPECT_NE(nullptr, dc.m_hDC);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), dc.GetDeviceCaps(HORZRES));
}

}  // namespace
