// The hover tip over a cell of the view: where it shows, what it paints, and
// how it closes when the mouse leaves or clicks it.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include "classlib/win/WindowDCs.h"
#include "tables/core/TableMarkup.h"
#include "tables/core/TipPlacement.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "tables/win/CTipWnd.h"
#include "tables/win/TableMarkupPaint.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace tabletest {
namespace {

// Two red words over a black one in the middle.
constexpr char kTipText[] = "{F1}{C}{T255,0,0}Past tense{/T}\n{F1}{C}masculine{/F}";
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The hovered cell, in the view's client coordinates.
constexpr int kCellX = 200;
constexpr int kCellY = 150;
constexpr int kCellHalfWidth = 60;
constexpr int kCellHalfHeight = 40;

class TipWndTest : public GrammarViewTest {
 protected:
  // The hovered cell lies in the middle of the view; the cursor rests on it.
  void SetUp() override {
    GrammarViewTest::SetUp();
    m_cursor = CPoint(kCellX, kCellY);
    s_pView->ClientToScreen(&m_cursor);
    m_hot = CRect(m_cursor, m_cursor);
    m_hot.InflateRect(kCellHalfWidth, kCellHalfHeight);
    ::SetCursorPos(m_cursor.x, m_cursor.y);
  }

  CTipWnd* OpenTip(LPCSTR lpszMarkup) {
    auto* pTip = new CTipWnd(s_pView, m_cursor.x, m_cursor.y, m_hot, lpszMarkup);
    s_pView->m_pTip = pTip;
    EXPECT_TRUE(pTip->CreateTip());
    return pTip;
  }

  bool Closed() const {
    return s_pView->Count(WM_GRAM_CLOSETIP) == 1 && s_pView->m_pTip == nullptr;
  }

  CRect m_hot;
  CPoint m_cursor;
};

TEST_F(TipWndTest, ShowsBesideTheCursorWithoutTakingTheFocusAndClosesWhenTheMouseLeaves) {
  CTipWnd* pTip = OpenTip(kTipText);
  ASSERT_TRUE(pTip->IsWindowVisible());
  EXPECT_EQ(s_pList->GetSafeHwnd(), ::GetFocus());

  TableMarkupHandle table = ParseTableMarkup(kTipText);
  ASSERT_NE(nullptr, table);
  MeasureTableMarkup(*table);
  CClientDC dc(pTip);
  TipPlacement expected{};
  ASSERT_TRUE(PlaceTip(m_cursor, {::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR)},
                       table->bounds, dc.GetTextExtent(" ", 1), expected));
  CRect window;
  pTip->GetWindowRect(&window);
  EXPECT_TRUE(window.EqualRect(&expected.window))
      << window.left << "," << window.top << " " << window.Width() << "x" << window.Height();

  // The capture is of the screen: wait for the paint to reach it.
  RgbImage image;
  ASSERT_TRUE(WaitFor([&] {
    image = CaptureWindow(pTip->GetSafeHwnd());
    return CountPixels(image, IsColor(kRed)) > 0;
  }));
  EXPECT_FALSE(SaveScreenshot(image, "hover-tip").empty());
  EXPECT_TRUE(IsColor(kBlack)(image.PixelAt(0, image.height / 2))) << "the black frame";
  EXPECT_TRUE(IsColor(RGB(255, 255, 255))(image.PixelAt(1, 1))) << "on white";
  const RECT inside{1, 1, image.width - 1, image.height - 1};
  EXPECT_GT(CountPixels(image, inside, IsColor(kBlack)), 0) << "the black line";

  // Still over the cell, the tip stays; off it, it asks the view to close it.
  ::SetCursorPos(m_hot.right + 40, m_hot.bottom + 80);
  ASSERT_TRUE(WaitFor([&] { return Closed(); }));
}

TEST_F(TipWndTest, AMarkupWithoutCellsClosesAtOnceWithoutShowing) {
  CTipWnd* pTip = OpenTip("{B|}{/B}");
  EXPECT_FALSE(pTip->IsWindowVisible());
  ASSERT_TRUE(WaitFor([&] { return Closed(); }));
}

TEST_F(TipWndTest, AClickOnTheTipClosesItAndReachesTheCellUnderIt) {
  struct Button {
    DWORD down;
    DWORD up;
    UINT message;
    WPARAM key;
  } const buttons[] = {
      {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, WM_LBUTTONDOWN, MK_LBUTTON},
      {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, WM_RBUTTONDOWN, MK_RBUTTON},
  };
  for (const Button& button : buttons) {
    s_pView->received.clear();
    CTipWnd* pTip = OpenTip(kTipText);
    CRect window;
    pTip->GetWindowRect(&window);
    CPoint click(window.left + 2, window.top + 2);
    ASSERT_TRUE(m_hot.PtInRect(click)) << "the tip covers the cell there";
    INPUT inputs[] = {MouseMoveInput(click), MouseButtonInput(button.down),
                      MouseButtonInput(button.up)};
    ::SendInput(3, inputs, sizeof(INPUT));
    ASSERT_TRUE(WaitFor([&] { return Closed() && s_pView->Count(button.message) == 1; }));
    s_pView->ScreenToClient(&click);
    const Received* pDown = s_pView->Last(button.message);
    EXPECT_EQ(click.x, GET_X_LPARAM(pDown->lParam));
    EXPECT_EQ(click.y, GET_Y_LPARAM(pDown->lParam));
    EXPECT_EQ(button.key, pDown->wParam & button.key);
    EXPECT_EQ(s_pList->GetSafeHwnd(), ::GetFocus()) << "the focus never moved";
  }
}

}  // namespace
}  // namespace tabletest
