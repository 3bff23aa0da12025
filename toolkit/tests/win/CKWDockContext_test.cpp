// The toolkit's dock context driven by real mouse input in a frame with the
// toolkit's dock bars on every side: a toolbar (moved as a whole window) and
// a docking window (shown by frames drawn on the screen) dragged to another
// side and out to float, a frame as long as an empty dock bar, Ctrl keeping
// a bar from docking, Shift turning it, Esc putting it back, a floating
// window resized by its edge, double clicks floating and docking it again,
// and a bar destroyed in the middle of its drag. Pictures go to the
// screenshots folder.
#include "toolkit/win/CKWDockContext.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/DockTestSupport.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMiniDockFrameWnd.h"
#include "toolkit/win/CKWToolBar.h"

namespace kw_dock_context_test {

using docktest::AfterInput;
using docktest::CaptureScreenArea;
using docktest::Center;
using docktest::DockBarOf;
using docktest::Drag;
using docktest::LeftUp;
using docktest::ScreenRect;
using docktest::Send;
using docktest::StepPending;

constexpr UINT kDockWindowId = 0xE830;
const CSize kDockWindowSize(160, 120);
constexpr DWORD kDockBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

struct Side {
  UINT nID;
  DWORD dwAlign;
};
constexpr Side kSides[] = {{AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
                           {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
                           {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
                           {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT}};

// A toolbar on the top and a docking window on the left; the toolkit's dock
// bars on every side and its floating frames.
class CDragFrame : public CFrameWnd {
 public:
  BOOL Build() {
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_pane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST))
      return FALSE;
    for (int n = 0; n < 4; ++n)
      if (!m_dockBars[n].Create(this, kDockBarStyle | kSides[n].dwAlign, kSides[n].nID)) return FALSE;
    m_pFloatingFrameClass = RUNTIME_CLASS(CKWMiniDockFrameWnd);
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC | CBRS_GRIPPER) ||
        !m_toolBar.LoadToolBar(IDR_KWTEST_TOOLBAR) ||
        !m_window.Create(this, kDockWindowId, "Lexicon", kDockWindowSize, CBRS_LEFT | CBRS_GRIPPER,
                         CKWControlBar::kExStyleDefault))
      return FALSE;
    m_toolBar.SetWindowText("Letters");
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_window.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
    DockBar(AFX_IDW_DOCKBAR_LEFT).DockControlBar(&m_window);
    RecalcLayout();
    return TRUE;
  }
  CKWDockBar& DockBar(UINT nID) {
    for (int n = 0; n < 4; ++n)
      if (kSides[n].nID == nID) return m_dockBars[n];
    return m_dockBars[0];
  }

  CWnd m_pane;
  CKWDockBar m_dockBars[4];
  CKWToolBar m_toolBar;
  CKWDockWindow m_window;
};

class DockContextTest : public AppTest {
 protected:
  void SetUp() override {
    m_pDragFrame = new CDragFrame;
    ASSERT_TRUE(m_pDragFrame->Create(nullptr, "Dock context", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                     CRect(docktest::kFrameRect)));
    m_hFrame = m_pDragFrame->m_hWnd;
    m_app.m_pMainWnd = m_pDragFrame;
    ASSERT_TRUE(m_pDragFrame->Build());
    m_pDragFrame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hFrame);
    Settle();
  }
  void TearDown() override {
    KWGetGlobalData().bFullDrag = TRUE;
    docktest::PendingStep() = nullptr;
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    m_app.m_pMainWnd = nullptr;
    PumpPending();
    AppTest::TearDown();
  }
  void Settle() {
    PumpPending();
    m_pDragFrame->RecalcLayout();
    ::RedrawWindow(nullptr, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpPending();
  }
  // What is on the screen now, and again after everything repainted: the
  // same when no drag frame was left behind.
  void ExpectNothingLeftOnScreen(const char* name) {
    PumpPending();
    RgbImage now = CaptureScreenArea();
    Settle();
    RgbImage repainted = CaptureScreenArea();
    SaveScreenshot(repainted, name);
    EXPECT_EQ(now.pixels, repainted.pixels) << name << ": a drag frame was left on the screen";
  }
  CRect Client() {
    CRect client;
    m_pDragFrame->GetClientRect(&client);
    m_pDragFrame->ClientToScreen(&client);
    return client;
  }
  CPoint ToolBarGrip() {
    const CRect bar = ScreenRect(m_pDragFrame->m_toolBar);
    return (m_pDragFrame->m_toolBar.GetBarStyle() & CBRS_ORIENT_HORZ)
               ? CPoint(bar.left + 3, bar.top + bar.Height() / 2)
               : CPoint(bar.left + bar.Width() / 2, bar.top + 3);
  }
  // On the docking window's caption strip, clear of its buttons.
  CPoint WindowGrip() {
    CRect strip = m_pDragFrame->m_window.GetGripperRect();
    m_pDragFrame->m_window.ClientToScreen(&strip);
    return CPoint(strip.left + 4, strip.top + strip.Height() / 2);
  }
  CKWMiniDockFrameWnd* FloatingFrameOf(CControlBar& bar) {
    CMiniDockFrameWnd* pFrame = docktest::FloatingFrameOf(bar);
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CKWMiniDockFrameWnd))
               ? static_cast<CKWMiniDockFrameWnd*>(pFrame)
               : nullptr;
  }
  // Floats the bar at a point and answers its floating frame, with the
  // middle of the frame's right edge, where a resize begins.
  CKWMiniDockFrameWnd* FloatForResize(CControlBar& bar, CPoint point, CPoint& rightEdge) {
    m_pDragFrame->FloatControlBar(&bar, point);
    Settle();
    CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
    if (pFloating == nullptr) return nullptr;
    const CRect rect = ScreenRect(*pFloating);
    rightEdge = CPoint(rect.right - 1, rect.top + rect.Height() / 2);
    EXPECT_EQ(pFloating->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rightEdge.x, rightEdge.y)),
              HTRIGHT);
    return pFloating;
  }
  // The caption of a floating frame, left of its buttons.
  static CPoint CaptionOf(CWnd& frame) {
    CRect window = ScreenRect(frame);
    CRect client;
    frame.GetClientRect(&client);
    frame.ClientToScreen(&client);
    return CPoint(window.left + 8, (window.top + client.top) / 2);
  }

  CDragFrame* m_pDragFrame = nullptr;
  HWND m_hFrame = nullptr;
};

// ---- A docking window: frames drawn on the screen.

TEST_F(DockContextTest, ADockingWindowDraggedToTheRightDocksThereAndLeavesNoFrame) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  const CRect client = Client();
  RgbImage midDrag;
  bool bHeld = false;
  AfterInput([&] {
    bHeld = ::GetCapture() == window.m_hWnd;
    midDrag = CaptureScreenArea();
    Send({LeftUp()});
  });
  Drag(WindowGrip(), CPoint(client.right - 2, client.top + client.Height() / 2), false);
  ASSERT_TRUE(WaitFor([&] { return DockBarOf(window) == AFX_IDW_DOCKBAR_RIGHT; }));
  EXPECT_TRUE(bHeld);
  SaveScreenshot(midDrag, "kw_dockcontext_window_over_right");
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(ScreenRect(window).right, client.right);
  EXPECT_FALSE(window.GetExtendedStyle() & 0x1000) << "laid out as newly docked";
  ExpectNothingLeftOnScreen("kw_dockcontext_window_right");
}

TEST_F(DockContextTest, OverAnEmptyDockBarTheWindowsFrameSpansItsLength) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  const CRect client = Client();
  const CPoint target(client.CenterPoint().x, client.bottom - 2);
  const RgbImage before = CaptureScreenArea();
  RgbImage midDrag;
  AfterInput([&] {
    midDrag = CaptureScreenArea();
    Send({LeftUp()});
  });
  Drag(WindowGrip(), target, false);
  ASSERT_TRUE(WaitFor([&] { return DockBarOf(window) == AFX_IDW_DOCKBAR_BOTTOM; }));
  SaveScreenshot(midDrag, "kw_dockcontext_window_over_empty_bottom");
  // The frame's sides stand at the dock bar's ends, one pixel inside.
  for (int x : {client.left + 1, client.right - 2})
    EXPECT_NE(midDrag.PixelAt(x, target.y), before.PixelAt(x, target.y)) << x;
  ExpectNothingLeftOnScreen("kw_dockcontext_window_bottom");
}

TEST_F(DockContextTest, ADockingWindowDroppedOnThePaneFloatsInTheToolkitsFrame) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  const CPoint drop = Center(ScreenRect(m_pDragFrame->m_pane));
  RgbImage midDrag;
  AfterInput([&] {
    midDrag = CaptureScreenArea();
    Send({LeftUp()});
  });
  Drag(WindowGrip(), drop, false);
  ASSERT_TRUE(WaitFor([&] { return window.IsFloating(); }));
  SaveScreenshot(midDrag, "kw_dockcontext_window_floating_frame");
  CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(window);
  ASSERT_NE(pFloating, nullptr);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_TRUE(ScreenRect(*pFloating).PtInRect(drop));
  EXPECT_EQ(::GetWindow(pFloating->m_hWnd, GW_OWNER), m_hFrame);
  ExpectNothingLeftOnScreen("kw_dockcontext_window_floating");
  EXPECT_NE(midDrag.pixels, CaptureScreenArea().pixels) << "the drag showed a frame";
}

TEST_F(DockContextTest, CtrlKeepsTheWindowFromDockingAndEscPutsItBack) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  const CRect client = Client();
  const CPoint target(client.right - 2, client.top + client.Height() / 2);
  struct Case {
    const char* name;
    UINT nKey;
    BOOL bFloats;
  };
  // Esc first: a floating window has no caption strip to press.
  const Case cases[] = {{"Esc", VK_ESCAPE, FALSE}, {"Ctrl", VK_CONTROL, TRUE}};
  for (const Case& c : cases) {
    Settle();
    const RgbImage before = CaptureScreenArea();
    const CRect rectBefore = ScreenRect(window);
    AfterInput([&] {
      window.PostMessage(WM_KEYDOWN, c.nKey);
      AfterInput([&] { Send({LeftUp()}); });
    });
    Drag(WindowGrip(), target, false);
    ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; })) << c.name;
    PumpPending();
    EXPECT_EQ(window.IsFloating(), c.bFloats) << c.name;
    EXPECT_NE(DockBarOf(window), static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT)) << c.name;
    if (!c.bFloats) {
      EXPECT_EQ(ScreenRect(window), rectBefore) << c.name;
      Settle();
      EXPECT_EQ(CaptureScreenArea().pixels, before.pixels) << c.name << ": the screen is as before";
    }
  }
}

TEST_F(DockContextTest, DoubleClicksFloatTheWindowAndDockItWhereItWas) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  const CRect docked = ScreenRect(window);
  docktest::DoubleClick(WindowGrip());
  ASSERT_TRUE(WaitFor([&] { return window.IsFloating(); }));
  CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(window);
  ASSERT_NE(pFloating, nullptr);
  // Never floated before: it floats where it was docked.
  EXPECT_EQ(ScreenRect(*pFloating).TopLeft(), docked.TopLeft());
  Settle();
  SaveScreenshot(CaptureScreenArea(), "kw_dockcontext_window_toggled");
  const HWND hFloating = pFloating->m_hWnd;
  docktest::DoubleClick(CaptionOf(*pFloating));
  ASSERT_TRUE(WaitFor([&] { return !window.IsFloating() && !::IsWindow(hFloating); }));
  EXPECT_EQ(DockBarOf(window), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(ScreenRect(window).TopLeft(), docked.TopLeft());
}

TEST_F(DockContextTest, AFloatingWindowIsResizedByItsFrameEdge) {
  CKWDockWindow& window = m_pDragFrame->m_window;
  CPoint edge;
  CKWMiniDockFrameWnd* pFloating = FloatForResize(window, CPoint(300, 200), edge);
  ASSERT_NE(pFloating, nullptr);
  const CRect before = ScreenRect(*pFloating);
  constexpr int kWider = 40;
  Drag(edge, CPoint(edge.x + kWider, edge.y));
  ASSERT_TRUE(WaitFor([&] { return ScreenRect(*pFloating).Width() == before.Width() + kWider; }));
  EXPECT_EQ(ScreenRect(*pFloating).TopLeft(), before.TopLeft());
  ExpectNothingLeftOnScreen("kw_dockcontext_window_resized");
}

// ---- A toolbar: the bar itself follows the mouse.

TEST_F(DockContextTest, AToolbarFollowsTheMouseToTheBottomAndOutToFloat) {
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  const CRect client = Client();
  bool bMovedWhileHeld = false;
  AfterInput([&] {
    bMovedWhileHeld = ::GetCapture() == bar.m_hWnd && DockBarOf(bar) == AFX_IDW_DOCKBAR_BOTTOM &&
                      static_cast<CKWDockContext*>(bar.m_pDockContext)->IsFullWindowDrag();
    Send({LeftUp()});
  });
  Drag(ToolBarGrip(), CPoint(client.left + 40, client.bottom - 2), false);
  ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; }));
  EXPECT_TRUE(bMovedWhileHeld) << "docked at the bottom before the button came up";
  EXPECT_EQ(DockBarOf(bar), static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM));
  Settle();
  SaveScreenshot(CaptureScreenArea(), "kw_dockcontext_toolbar_bottom");

  const CPoint drop = Center(ScreenRect(m_pDragFrame->m_pane));
  Drag(ToolBarGrip(), drop);
  ASSERT_TRUE(WaitFor([&] { return bar.IsFloating() && ::GetCapture() == nullptr; }));
  CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
  ASSERT_NE(pFloating, nullptr);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_TRUE(ScreenRect(*pFloating).PtInRect(drop));
  EXPECT_EQ(m_pDragFrame->DockBar(AFX_IDW_DOCKBAR_BOTTOM).GetDockedCount(), 0);
  ExpectNothingLeftOnScreen("kw_dockcontext_toolbar_floating");

  // Dragged by the caption back onto the top: docked, its frame gone.
  const HWND hFloating = pFloating->m_hWnd;
  Drag(CaptionOf(*pFloating), CPoint(client.left + 60, client.top + 2));
  ASSERT_TRUE(WaitFor([&] { return !bar.IsFloating() && !::IsWindow(hFloating); }));
  EXPECT_EQ(DockBarOf(bar), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(DockContextTest, EscPutsAFloatingToolbarsFrameBack) {
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  m_pDragFrame->FloatControlBar(&bar, CPoint(300, 250));
  Settle();
  CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
  ASSERT_NE(pFloating, nullptr);
  const CRect before = ScreenRect(*pFloating);
  bool bMoved = false;
  AfterInput([&] {
    bMoved = ScreenRect(*pFloating) != before;
    bar.PostMessage(WM_KEYDOWN, VK_ESCAPE);
  });
  const CPoint caption = CaptionOf(*pFloating);
  Drag(caption, caption + CSize(50, 40), false);
  ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; }));
  Send({LeftUp()});
  PumpPending();
  EXPECT_TRUE(bMoved) << "the frame followed the mouse";
  EXPECT_EQ(FloatingFrameOf(bar), pFloating);
  EXPECT_EQ(ScreenRect(*pFloating), before);
}

TEST_F(DockContextTest, AFloatingToolbarNarrowedByItsEdgeWrapsItsButtons) {
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  CPoint edge;
  CKWMiniDockFrameWnd* pFloating = FloatForResize(bar, CPoint(250, 200), edge);
  ASSERT_NE(pFloating, nullptr);
  const CRect before = ScreenRect(*pFloating);
  Drag(edge, CPoint(edge.x - before.Width() / 2, edge.y));
  ASSERT_TRUE(WaitFor([&] { return ScreenRect(*pFloating).Height() > before.Height(); }));
  ASSERT_TRUE(WaitFor([&] { return ::GetCapture() == nullptr; }));
  const CRect after = ScreenRect(*pFloating);
  EXPECT_LT(after.Width(), before.Width());
  EXPECT_EQ(after.TopLeft(), before.TopLeft());
  ExpectNothingLeftOnScreen("kw_dockcontext_toolbar_narrowed");
}

TEST_F(DockContextTest, EscPutsAMovedToolbarBackOnItsDockBar) {
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  const CRect rectBefore = ScreenRect(bar);
  const CRect client = Client();
  bool bMoved = false;
  AfterInput([&] {
    bMoved = DockBarOf(bar) == AFX_IDW_DOCKBAR_RIGHT;
    bar.PostMessage(WM_KEYDOWN, VK_ESCAPE);
  });
  Drag(ToolBarGrip(), CPoint(client.right - 2, client.top + client.Height() / 2), false);
  ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; }));
  Send({LeftUp()});
  PumpPending();
  EXPECT_TRUE(bMoved);
  EXPECT_EQ(DockBarOf(bar), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
  EXPECT_EQ(ScreenRect(bar), rectBefore);
}

TEST_F(DockContextTest, AToolbarWithoutWholeWindowDragsShowsFramesAndDocksOnRelease) {
  KWGetGlobalData().bFullDrag = FALSE;
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  const CRect client = Client();
  UINT nDockBarWhileHeld = 0;
  RgbImage midDrag;
  AfterInput([&] {
    EXPECT_FALSE(static_cast<CKWDockContext*>(bar.m_pDockContext)->IsFullWindowDrag());
    nDockBarWhileHeld = DockBarOf(bar);
    midDrag = CaptureScreenArea();
    Send({LeftUp()});
  });
  Drag(ToolBarGrip(), CPoint(client.left + 2, client.top + client.Height() / 2), false);
  ASSERT_TRUE(WaitFor([&] { return DockBarOf(bar) == AFX_IDW_DOCKBAR_LEFT; }));
  EXPECT_EQ(nDockBarWhileHeld, static_cast<UINT>(AFX_IDW_DOCKBAR_TOP)) << "only a frame moved";
  SaveScreenshot(midDrag, "kw_dockcontext_toolbar_frame_over_left");
  EXPECT_FALSE(bar.GetBarStyle() & CBRS_ORIENT_HORZ);
  ExpectNothingLeftOnScreen("kw_dockcontext_toolbar_left");
}

TEST_F(DockContextTest, ShiftTurnsOnlyABarThatDocksBothWays) {
  KWGetGlobalData().bFullDrag = FALSE;
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  struct Case {
    const char* name;
    DWORD dwDockStyle;
    BOOL bFloats;  // turned upright, the top dock bar does not take it
    int nPressOffset;  // presses apart, so that no two make a double click
  };
  const Case cases[] = {{"top and bottom only", CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM, FALSE, -6},
                        {"any side", CBRS_ALIGN_ANY, TRUE, 6}};
  for (const Case& c : cases) {
    bar.EnableDocking(c.dwDockStyle);
    const CPoint grip = ToolBarGrip() + CSize(0, c.nPressOffset);
    AfterInput([&] {
      bar.PostMessage(WM_KEYDOWN, VK_SHIFT);
      AfterInput([&] { Send({LeftUp()}); });
    });
    Drag(grip, grip + CSize(60, 0), false);
    ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; })) << c.name;
    PumpPending();
    EXPECT_EQ(bar.IsFloating(), c.bFloats) << c.name;
  }
}

TEST_F(DockContextTest, DoubleClicksFloatTheToolbarAndDockItAgain) {
  CKWToolBar& bar = m_pDragFrame->m_toolBar;
  docktest::DoubleClick(ToolBarGrip());
  ASSERT_TRUE(WaitFor([&] { return bar.IsFloating(); }));
  CKWMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
  ASSERT_NE(pFloating, nullptr);
  const HWND hFloating = pFloating->m_hWnd;
  docktest::DoubleClick(CaptionOf(*pFloating));
  ASSERT_TRUE(WaitFor([&] { return !bar.IsFloating() && !::IsWindow(hFloating); }));
  EXPECT_EQ(DockBarOf(bar), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
}

// ---- A bar that goes while it is dragged.

TEST_F(DockContextTest, ABarDestroyedMidDragEndsTheLoopCleanly) {
  // One made on the heap, whose window's end deletes it and its dock context,
  // and the frame's own, whose dock context outlives its window.
  auto* pHeapWindow = new CKWDockWindow;
  ASSERT_TRUE(pHeapWindow->Create(m_pDragFrame, kDockWindowId + 1, "Verbs", kDockWindowSize,
                                  CBRS_RIGHT | CBRS_GRIPPER, CKWControlBar::kExStyleDefault));
  pHeapWindow->m_bAutoDelete = TRUE;
  pHeapWindow->EnableDocking(CBRS_ALIGN_ANY);
  m_pDragFrame->DockBar(AFX_IDW_DOCKBAR_RIGHT).DockControlBar(pHeapWindow);
  Settle();
  struct Case {
    const char* name;
    CKWDockWindow* pWindow;
  };
  const Case cases[] = {{"kw_dockcontext_heap_bar_destroyed", pHeapWindow},
                        {"kw_dockcontext_bar_destroyed", &m_pDragFrame->m_window}};
  for (const Case& c : cases) {
    const HWND hWindow = c.pWindow->m_hWnd;
    CDockContext* pContext = c.pWindow == pHeapWindow ? nullptr : c.pWindow->m_pDockContext;
    CRect strip = c.pWindow->GetGripperRect();
    c.pWindow->ClientToScreen(&strip);
    bool bHeld = false;
    AfterInput([&] {
      bHeld = ::GetCapture() == hWindow;
      ::DestroyWindow(hWindow);
    });
    Drag(CPoint(strip.left + 4, strip.top + strip.Height() / 2),
         Center(ScreenRect(m_pDragFrame->m_pane)), false);
    ASSERT_TRUE(WaitFor([&] { return !StepPending() && !::IsWindow(hWindow); })) << c.name;
    Send({LeftUp()});
    PumpPending();
    EXPECT_TRUE(bHeld) << c.name;
    EXPECT_EQ(::GetCapture(), nullptr) << c.name;
    if (pContext != nullptr) EXPECT_FALSE(pContext->m_bDragging) << c.name;
    // The frame lays out without the bar first: only a drag frame is left then.
    m_pDragFrame->RecalcLayout();
    ExpectNothingLeftOnScreen(c.name);
  }
  // The frame goes on: another drag works.
  const CRect client = Client();
  Drag(ToolBarGrip(), CPoint(client.left + 40, client.bottom - 2));
  ASSERT_TRUE(WaitFor([&] { return DockBarOf(m_pDragFrame->m_toolBar) == AFX_IDW_DOCKBAR_BOTTOM; }));
}

}  // namespace kw_dock_context_test
