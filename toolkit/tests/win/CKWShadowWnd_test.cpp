// Menu and bar shadows: the bands darkened in a memory DC, copied between
// DCs, and the shadow window that follows its target.
#include "toolkit/win/CKWShadowWnd.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/WndTestSupport.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/core/KWShadowBands.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/win/CKWShadowManager.h"

namespace kw_shadow_wnd_test {

constexpr COLORREF kBackground = RGB(200, 160, 120);

TEST(KWShadowDraw, DarkensTheBandsOfAMemoryDCRingByRing) {
  Surface surface(24);
  surface.dc()->FillSolidRect(0, 0, kSize, kSize, kBackground);
  const CRect rect(8, 8, 48, 40);
  CKWShadowWnd::DrawShadow(surface.dc(), rect, kKWShadowDarkness);
  int darkened = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      int amount = KWShadowAmount(rect, x, y, kKWShadowDarkness);
      COLORREF expected = amount < 0 ? kBackground : KWDarkenColor(kBackground, amount);
      ASSERT_EQ(surface.At(x, y), expected) << x << "," << y;
      darkened += amount >= 0;
    }
  }
  EXPECT_EQ(darkened, 4 * (40 - 8 - 4) + 4 * (48 - 8 - 8));
  // Innermost ring 60, outermost 15, in the right band.
  EXPECT_EQ(surface.At(44, 20), RGB(140, 100, 60));
  EXPECT_EQ(surface.At(47, 20), RGB(185, 145, 105));
  SaveScreenshot(CaptureDC(surface.hdc(), 0, 0, kSize, kSize), "toolkit_shadow_bands");
}

TEST(KWShadowDraw, CopiesOnlyTheBandsAndNothingWithoutASource) {
  Surface source(24);
  source.dc()->FillSolidRect(0, 0, kSize, kSize, RGB(0, 0, 255));
  Surface target(24);
  const CRect rect(10, 10, 30, 30);
  CKWShadowWnd::CopyShadowBands(target.dc(), rect, nullptr, 0, 0);
  EXPECT_EQ(target.At(28, 20), kWhite);
  CKWShadowWnd::CopyShadowBands(target.dc(), rect, source.dc(), 0, 0);
  EXPECT_EQ(target.At(28, 20), RGB(0, 0, 255));   // right band
  EXPECT_EQ(target.At(20, 28), RGB(0, 0, 255));   // bottom band
  EXPECT_EQ(target.At(28, 12), kWhite);           // above the right band
  EXPECT_EQ(target.At(12, 28), kWhite);           // left of the bottom band
  EXPECT_EQ(target.At(20, 20), kWhite);           // inside
  EXPECT_EQ(CKWShadowWnd::DarkenColor(RGB(10, 100, 255), 20), RGB(0, 80, 235));
}

class ShadowManagerTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateShownParent(m_target, "Shadowed", 120, 80));
    PumpPending();
  }
  void TearDown() override {
    if (m_target.m_hWnd != nullptr) m_target.DestroyWindow();
    AppTest::TearDown();
  }
  static CRect WindowRect(HWND hWnd) {
    CRect rect;
    ::GetWindowRect(hWnd, rect);
    return rect;
  }
  // The target's rectangle with the bands.
  CRect Expected() const {
    CRect rect = WindowRect(m_target.m_hWnd);
    rect.right += kKWShadowWidth;
    rect.bottom += kKWShadowWidth;
    return rect;
  }

  CWnd m_target;
};

TEST_F(ShadowManagerTest, SitsUnderItsTargetClippedToTheBands) {
  CKWShadowManager manager(m_target.m_hWnd, FALSE, FALSE);
  ASSERT_TRUE(manager.IsCreated());
  HWND hShadow = manager.m_pShadow->m_hWnd;
  char text[16] = {};
  ::GetWindowTextA(hShadow, text, sizeof text);
  EXPECT_STREQ(text, "Shadow");
  EXPECT_FALSE(::IsWindowVisible(hShadow));
  EXPECT_EQ(WindowRect(hShadow), Expected());
  EXPECT_EQ(::GetWindow(m_target.m_hWnd, GW_HWNDNEXT), hShadow);
  EXPECT_NE(::GetWindowLongPtrA(hShadow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(hShadow, hRegion), ERROR);
  CRect size(0, 0, Expected().Width(), Expected().Height());
  EXPECT_TRUE(::PtInRegion(hRegion, size.right - 1, size.bottom - 1));
  EXPECT_TRUE(::PtInRegion(hRegion, size.right - 4, 4));
  EXPECT_FALSE(::PtInRegion(hRegion, size.right - 4, 3));
  EXPECT_FALSE(::PtInRegion(hRegion, 3, size.bottom - 1));
  EXPECT_FALSE(::PtInRegion(hRegion, size.right / 2, size.bottom / 2));
  ::DeleteObject(hRegion);
  manager.Show();
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  manager.Show();
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  manager.Hide();
  EXPECT_FALSE(::IsWindowVisible(hShadow));
}

TEST_F(ShadowManagerTest, PaintsTheDarkenedBackgroundOfItsBands) {
  CRect bands = Expected();
  // What the screen shows under the bands before the shadow comes.
  struct Probe {
    int x, y;
    COLORREF before;
  } probes[] = {{bands.Width() - 4, 20, 0}, {bands.Width() - 1, 20, 0}, {30, bands.Height() - 2, 0}};
  HDC hScreen = ::GetDC(nullptr);
  for (Probe& p : probes) p.before = ::GetPixel(hScreen, bands.left + p.x, bands.top + p.y);
  ::ReleaseDC(nullptr, hScreen);

  CKWShadowManager manager(m_target.m_hWnd, TRUE, FALSE);
  CKWShadowWnd* pShadow = manager.m_pShadow;
  ASSERT_TRUE(WaitFor([&] { return pShadow->m_bImageValid != FALSE; }));
  SaveScreenshot(CaptureWindow(pShadow->m_hWnd), "toolkit_shadow_window");
  CDC* pImage = pShadow->m_image.m_pShadowImage;
  ASSERT_NE(pImage, nullptr);
  CRect local(0, 0, bands.Width(), bands.Height());
  for (const Probe& p : probes) {
    int amount = KWShadowAmount(local, p.x, p.y, kKWShadowDarkness);
    EXPECT_EQ(pImage->GetPixel(p.x, p.y), KWDarkenColor(p.before, amount)) << p.x << "," << p.y;
  }
}

TEST_F(ShadowManagerTest, AHookedTargetTakesItsShadowAlongWhenItMovesAndGoes) {
  auto* pManager = new CKWShadowManager(m_target.m_hWnd, TRUE, TRUE);
  HWND hShadow = pManager->m_pShadow->m_hWnd;
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  m_target.SetWindowPos(nullptr, 40, 50, 150, 90, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(WindowRect(hShadow), Expected());
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  EXPECT_EQ(::GetWindow(m_target.m_hWnd, GW_HWNDNEXT), hShadow);
  m_target.ShowWindow(SW_HIDE);
  EXPECT_FALSE(::IsWindowVisible(hShadow));
  m_target.ShowWindow(SW_SHOWNA);
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  // Destroying the target deletes the manager and its shadow window.
  m_target.DestroyWindow();
  EXPECT_FALSE(::IsWindow(hShadow));
}

}  // namespace kw_shadow_wnd_test
