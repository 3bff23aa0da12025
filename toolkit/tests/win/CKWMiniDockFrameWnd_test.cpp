// The toolkit's floating frame around each kind of bar: a toolbar's own
// caption with its close button (and options button when customisable), a
// docking window's system caption, the buttons' tips, a release away from
// the pressed close button that closes nothing and a click on it that hides
// the bar, the options button's popup of hidden buttons, and a change of
// look taken at the next idle update. Pictures go
// to the screenshots folder.
#include "toolkit/win/CKWMiniDockFrameWnd.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/DockTestSupport.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWExpMenuWnd.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWToolBar.h"

namespace kw_mini_dock_frame_wnd_test {

using docktest::CaptureScreenArea;
using docktest::LeftDown;
using docktest::LeftUp;
using docktest::MoveTo;
using docktest::ScreenRect;
using docktest::Send;

const CPoint kFloatAt(200, 180);
constexpr UINT kDockWindowId = 0xE830;

// A toolbar and a docking window, floated in the toolkit's frames.
class CFloatFrame : public CFrameWnd {
 public:
  BOOL Build(BOOL bCustomize) {
    EnableDocking(CBRS_ALIGN_ANY);
    m_pFloatingFrameClass = RUNTIME_CLASS(CKWMiniDockFrameWnd);
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS) ||
        !m_toolBar.LoadToolBar(IDR_KWTEST_TOOLBAR) ||
        !m_window.Create(this, kDockWindowId, "Lexicon", CSize(160, 120), CBRS_LEFT | CBRS_GRIPPER,
                         CKWControlBar::kExStyleDefault))
      return FALSE;
    m_toolBar.m_bCustomize = bCustomize;
    m_toolBar.SetWindowText("Letters");
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_window.EnableDocking(CBRS_ALIGN_ANY);
    FloatControlBar(&m_toolBar, kFloatAt);
    FloatControlBar(&m_window, kFloatAt + CSize(0, 120));
    return TRUE;
  }
  CKWToolBar m_toolBar;
  CKWDockWindow m_window;
};

class MiniDockFrameTest : public AppTest {
 protected:
  void Open(BOOL bCustomize) {
    m_pFrame = new CFloatFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Floating", WS_POPUP | WS_BORDER, CRect(20, 20, 180, 120)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOW);
    ASSERT_TRUE(m_pFrame->Build(bCustomize));
    Settle();
  }
  void TearDown() override {
    KWGetGlobalData().bOfficeLook = FALSE;
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    m_app.m_pMainWnd = nullptr;
    PumpPending();
    AppTest::TearDown();
  }
  // The deferred styling and the paints, as the program's idle time would.
  void Settle() {
    PumpPending();
    ::RedrawWindow(nullptr, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpPending();
  }
  static CKWMiniDockFrameWnd* FrameOf(CControlBar& bar) {
    CWnd* pFrame = bar.GetParentFrame();
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CKWMiniDockFrameWnd))
               ? static_cast<CKWMiniDockFrameWnd*>(pFrame)
               : nullptr;
  }
  // The centre of a caption button, on the screen.
  static CPoint ButtonCentre(CKWMiniDockFrameWnd& frame, int nButton) {
    const CRect window = ScreenRect(frame);
    return frame.GetButtonPlace(nButton).rect.CenterPoint() + window.TopLeft();
  }
  static CPoint CaptionStart(CKWMiniDockFrameWnd& frame) {
    const CRect window = ScreenRect(frame);
    return CPoint(window.left + 8, window.top + frame.GetButtonPlace(0).rect.CenterPoint().y);
  }

  CFloatFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(MiniDockFrameTest, EachBarGetsItsCaption) {
  struct Case {
    BOOL bCustomize;
    std::vector<KWCaptionButtonKind> kinds;
    const char* picture;
  };
  const Case cases[] = {{FALSE, {kwCaptionClose}, "kw_minidock_toolbar"},
                        {TRUE, {kwCaptionClose, kwCaptionOptions}, "kw_minidock_toolbar_options"}};
  for (const Case& c : cases) {
    ASSERT_NO_FATAL_FAILURE(Open(c.bCustomize));
    CKWMiniDockFrameWnd* pFrame = FrameOf(m_pFrame->m_toolBar);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->GetLookStamp(), CKWMiniDockFrameWnd::kStampClassic);
    ASSERT_EQ(pFrame->GetButtonCount(), static_cast<int>(c.kinds.size())) << c.picture;
    for (int n = 0; n < pFrame->GetButtonCount(); ++n) {
      EXPECT_EQ(pFrame->GetButtonKind(n), c.kinds[n]) << c.picture;
      EXPECT_FALSE(pFrame->GetButtonPlace(n).bHidden) << c.picture;
    }
    // The painted caption's buttons stand where the mini frame's close was.
    const CPoint close = ButtonCentre(*pFrame, 0);
    EXPECT_EQ(pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCAPTION);
    SaveScreenshot(CaptureScreenArea(), c.picture);
    // A docking window keeps the mini frame's caption and has no buttons.
    CKWMiniDockFrameWnd* pWindowFrame = FrameOf(m_pFrame->m_window);
    ASSERT_NE(pWindowFrame, nullptr);
    EXPECT_EQ(pWindowFrame->GetButtonCount(), 0);
    EXPECT_FALSE(pWindowFrame->GetStyle() & MFS_4THICKFRAME);
    TearDown();
  }
}

TEST_F(MiniDockFrameTest, TheCloseButtonShowsItsTipAndClosesOnlyWhenReleasedOverIt) {
  ASSERT_NO_FATAL_FAILURE(Open(TRUE));
  CKWMiniDockFrameWnd* pFrame = FrameOf(m_pFrame->m_toolBar);
  ASSERT_NE(pFrame, nullptr);
  const CPoint close = ButtonCentre(*pFrame, 0);
  pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(close.x, close.y));
  EXPECT_TRUE(pFrame->GetButtonState(0).bHot);
  CString strTip;
  pFrame->GetTipCtrl().GetText(strTip, pFrame);
  EXPECT_STREQ(strTip, "Close");
  const CPoint options = ButtonCentre(*pFrame, 1);
  pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(options.x, options.y));
  pFrame->GetTipCtrl().GetText(strTip, pFrame);
  EXPECT_STREQ(strTip, "Toolbar Options");
  EXPECT_FALSE(pFrame->GetButtonState(0).bHot);

  // Pressed on the close button, released on the caption beside it. The
  // presses are further apart than a double click's reach.
  const CRect closeRect = pFrame->GetButtonPlace(0).rect + ScreenRect(*pFrame).TopLeft();
  bool bTaken = false;
  docktest::AfterInput([&] { bTaken = true; });
  Send({MoveTo(CPoint(closeRect.left + 1, close.y)), LeftDown(), MoveTo(CaptionStart(*pFrame)),
        LeftUp()});
  ASSERT_TRUE(WaitFor([&] { return bTaken; }));
  EXPECT_FALSE(pFrame->GetButtonState(0).bPressed);
  EXPECT_TRUE(m_pFrame->m_toolBar.IsWindowVisible());
  EXPECT_TRUE(pFrame->IsWindowVisible());

  // Clicked: the bar is hidden, and its frame with it.
  Send({MoveTo(CPoint(closeRect.right - 2, close.y)), LeftDown(), LeftUp()});
  ASSERT_TRUE(WaitFor([&] {
    return !pFrame->IsWindowVisible() && !(m_pFrame->m_toolBar.GetStyle() & WS_VISIBLE);
  }));
}

TEST_F(MiniDockFrameTest, TheOptionsButtonOpensTheHiddenButtonsUntilThePopupCloses) {
  ASSERT_NO_FATAL_FAILURE(Open(TRUE));
  CKWMiniDockFrameWnd* pFrame = FrameOf(m_pFrame->m_toolBar);
  ASSERT_NE(pFrame, nullptr);
  Send({MoveTo(ButtonCentre(*pFrame, 1)), LeftDown(), LeftUp()});
  ASSERT_TRUE(WaitFor([&] { return pFrame->GetOpenPopup() != nullptr; }));
  EXPECT_TRUE(pFrame->GetButtonState(1).bHot);
  EXPECT_FALSE(pFrame->GetButtonState(1).bPressed);
  EXPECT_EQ(pFrame->GetOpenPopup()->GetSourceToolbar(), &m_pFrame->m_toolBar);
  Settle();
  SaveScreenshot(CaptureScreenArea(), "kw_minidock_options_open");
  pFrame->GetOpenPopup()->DestroyWindow();
  PumpPending();
  EXPECT_EQ(pFrame->GetOpenPopup(), nullptr);
  for (int n = 0; n < pFrame->GetButtonCount(); ++n) EXPECT_TRUE(pFrame->GetButtonState(n).IsIdle());
}

TEST_F(MiniDockFrameTest, AChangeOfLookRestylesTheFrameAtTheNextIdleUpdate) {
  ASSERT_NO_FATAL_FAILURE(Open(TRUE));
  CKWMiniDockFrameWnd* pFrame = FrameOf(m_pFrame->m_toolBar);
  ASSERT_NE(pFrame, nullptr);
  const CRect classic = pFrame->GetButtonPlace(1).rect;
  KWGetGlobalData().bOfficeLook = TRUE;
  EXPECT_EQ(pFrame->GetLookStamp(), CKWMiniDockFrameWnd::kStampClassic);
  pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_EQ(pFrame->GetLookStamp(), CKWMiniDockFrameWnd::kStampFlat);
  EXPECT_EQ(pFrame->GetButtonCount(), 2);
  EXPECT_NE(pFrame->GetButtonPlace(1).rect, classic) << "the flat look's buttons are larger";
  Settle();
  SaveScreenshot(CaptureScreenArea(), "kw_minidock_toolbar_flat");
}

}  // namespace kw_mini_dock_frame_wnd_test
