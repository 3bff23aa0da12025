// Docking in a frame: bars docked on each side, floated in frames of their
// own, dragged with the mouse, docked again by a double click, resized while
// floating, hidden and shown; a cancelled drag changes nothing.
#include <thread>

#include "classlib/tests/win/DockTestSupport.h"

namespace docktest {

// A floating frame of the program's own class.
class CTestFloatingFrame : public CMiniDockFrameWnd {
  DECLARE_DYNCREATE(CTestFloatingFrame)
};
IMPLEMENT_DYNCREATE(CTestFloatingFrame, CMiniDockFrameWnd)

namespace docking_frame_test {

class DockingFrameTest : public DockTest {};

// Records the check mark an update handler gives.
class CCheckCmdUI : public CCmdUI {
 public:
  void SetCheck(int nCheck) override { m_nCheck = nCheck; }
  int m_nCheck = -1;
};

// Presses further apart than a double click's reach.
constexpr int kPressStep = 6;

TEST_F(DockingFrameTest, TheBarsStartInTheirRowsAroundThePane) {
  Picture("docking-default");
  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect top = InFrame(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP));
  CRect a = InFrame(m_pFrame->m_wndBarA), b = InFrame(m_pFrame->m_wndBarB);
  CRect sizable = InFrame(m_pFrame->m_wndSizable);
  CRect status = InFrame(m_pFrame->m_wndStatusBar);
  CRect pane = InFrame(m_pFrame->m_pane);
  // A and B share the top row, B after A; the top dock bar is as thick as
  // the row and the line under it.
  EXPECT_EQ(CRect(0, 0, client.right, a.Height() + 1), top);
  EXPECT_EQ(0, a.left);
  EXPECT_EQ(a.right, b.left);
  EXPECT_EQ(a.top, b.top);
  // The sizable bar stands on the left between the top row and the status bar.
  EXPECT_EQ(
      CRect(0, top.bottom, CSizableBar::kVertDocked.cx, top.bottom + CSizableBar::kVertDocked.cy),
      sizable);
  CRect left = InFrame(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(sizable.right + 1, left.right);
  EXPECT_EQ(CRect(left.right, top.bottom, client.right, status.top), pane);
  EXPECT_EQ(client.bottom, status.bottom);
  // Empty dock bars take no room.
  EXPECT_EQ(0, InFrame(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_RIGHT)).Width());
  EXPECT_EQ(0, InFrame(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_BOTTOM)).Height());
}

TEST_F(DockingFrameTest, ABarDockedOnEachSideTurnsWithIt) {
  CRect client;
  m_pFrame->GetClientRect(&client);
  const LONG nBottom = InFrame(m_pFrame->m_wndStatusBar).top;
  struct Case {
    UINT nDockBar;
    const char* picture;
    bool bHorz;
    LONG RECT::*pEdge;  // the dock bar's edge on the frame's side
    LONG nEdge;
  };
  const Case cases[] = {
      {AFX_IDW_DOCKBAR_LEFT, "docking-bar-left", false, &RECT::left, 0},
      {AFX_IDW_DOCKBAR_RIGHT, "docking-bar-right", false, &RECT::right, client.right},
      {AFX_IDW_DOCKBAR_BOTTOM, "docking-bar-bottom", true, &RECT::bottom, nBottom},
      {AFX_IDW_DOCKBAR_TOP, "docking-bar-top", true, &RECT::top, 0}};
  for (const Case& c : cases) {
    m_pFrame->DockControlBar(&m_pFrame->m_wndBarA, c.nDockBar);
    Picture(c.picture);
    CDockBar* pDockBar = m_pFrame->DockBar(c.nDockBar);
    EXPECT_EQ(pDockBar, m_pFrame->m_wndBarA.m_pDockBar) << c.picture;
    EXPECT_EQ(pDockBar, m_pFrame->m_wndBarA.GetParent()) << c.picture;
    EXPECT_EQ(c.bHorz, (m_pFrame->m_wndBarA.GetBarStyle() & CBRS_ORIENT_HORZ) != 0) << c.picture;
    // A row of buttons along the top or bottom, a column on the sides.
    CRect bar = InFrame(m_pFrame->m_wndBarA);
    EXPECT_EQ(c.bHorz, bar.Width() > bar.Height()) << c.picture;
    // The dock bar lies along its side and holds the bar; the pane gives way.
    CRect dock = InFrame(*pDockBar);
    EXPECT_EQ(c.nEdge, dock.*c.pEdge) << c.picture;
    CRect inside;
    inside.IntersectRect(&dock, &bar);
    EXPECT_EQ(bar, inside) << c.picture;
    CRect pane = InFrame(m_pFrame->m_pane), overlap;
    EXPECT_FALSE(overlap.IntersectRect(&pane, &dock)) << c.picture;
  }
}

TEST_F(DockingFrameTest, AFloatedBarKeepsItsPlaceAndADoubleClickDocksItThere) {
  CRect docked = ScreenRect(m_pFrame->m_wndBarB);
  m_pFrame->FloatControlBar(&m_pFrame->m_wndBarB, CPoint(420, 300));
  Picture("docking-floating");
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarB);
  ASSERT_NE(nullptr, pFloating);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_EQ(CPoint(420, 300), ScreenRect(*pFloating).TopLeft());
  EXPECT_EQ(m_hFrame, ::GetWindow(pFloating->m_hWnd, GW_OWNER)) << "the frame owns it";
  CString strCaption;
  pFloating->GetWindowText(strCaption);
  EXPECT_STREQ("Bar B", strCaption);
  // The top dock bar keeps B's place; A has the row to itself.
  CDockBar* pTop = m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP);
  EXPECT_EQ(1, pTop->GetDockedCount());
  bool bKept = false;
  for (int i = 0; i < pTop->m_arrBars.GetSize(); ++i) bKept |= pTop->GetPlaceHolderID(i) == kBarB;
  EXPECT_TRUE(bKept);

  // A real double click on the floating frame's caption.
  HWND hFloating = pFloating->m_hWnd;
  CRect frame = ScreenRect(*pFloating);
  CRect client;
  pFloating->GetClientRect(&client);
  pFloating->ClientToScreen(&client);
  DoubleClick(CPoint(frame.left + 8, (frame.top + client.top) / 2));
  ASSERT_TRUE(WaitFor([&] { return !m_pFrame->m_wndBarB.IsFloating() && !::IsWindow(hFloating); }));
  Picture("docking-redocked");
  EXPECT_EQ(pTop, m_pFrame->m_wndBarB.m_pDockBar);
  EXPECT_EQ(docked, ScreenRect(m_pFrame->m_wndBarB));
}

TEST_F(DockingFrameTest, DraggingWithTheMouseDocksOnAnotherSideAndFloats) {
  // From A's gripper to the right edge of the frame: docked on the right, turned.
  CRect a = ScreenRect(m_pFrame->m_wndBarA);
  CRect client;
  m_pFrame->GetClientRect(&client);
  m_pFrame->ClientToScreen(&client);
  CPoint grip(a.left + 3, a.top + a.Height() / 2);
  Drag(grip, CPoint(client.right - 2, client.top + client.Height() / 2));
  ASSERT_TRUE(WaitFor([&] { return DockBarOf(m_pFrame->m_wndBarA) == AFX_IDW_DOCKBAR_RIGHT; }));
  Picture("docking-dragged-right");
  EXPECT_EQ(0u, m_pFrame->m_wndBarA.GetBarStyle() & CBRS_ORIENT_HORZ);
  EXPECT_EQ(client.right, ScreenRect(m_pFrame->m_wndBarA).right);

  // From there into the middle of the pane: it floats where it was dropped.
  a = ScreenRect(m_pFrame->m_wndBarA);
  grip = CPoint(a.left + a.Width() / 2, a.top + 3);
  CPoint drop = Center(ScreenRect(m_pFrame->m_pane));
  Drag(grip, drop);
  ASSERT_TRUE(WaitFor([&] { return m_pFrame->m_wndBarA.IsFloating(); }));
  Picture("docking-dragged-floating");
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarA);
  ASSERT_NE(nullptr, pFloating);
  EXPECT_TRUE(ScreenRect(*pFloating).PtInRect(drop));
  EXPECT_EQ(0, m_pFrame->DockBar(AFX_IDW_DOCKBAR_RIGHT)->GetDockedCount());
  EXPECT_EQ(0, InFrame(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_RIGHT)).Width());
}

TEST_F(DockingFrameTest, TheDragShowsWhereTheBarWouldGoAndCtrlKeepsItFromDocking) {
  // A is dragged onto the bottom edge and held there: the thin frame on the
  // bottom dock bar shows; then Ctrl goes down and the frame turns thick, and
  // the bar floats where it is let go.
  CRect a = ScreenRect(m_pFrame->m_wndBarA);
  CRect status = ScreenRect(m_pFrame->m_wndStatusBar);
  CPoint target(a.left + 30, status.top - 4);
  RgbImage overDockBar, withCtrl;
  bool bHeld = false;
  AfterInput([&] {
    bHeld = ::GetCapture() == m_pFrame->m_wndBarA.m_hWnd;
    overDockBar = CaptureScreenArea();
    m_pFrame->m_wndBarA.PostMessage(WM_KEYDOWN, VK_CONTROL);
    AfterInput([&] {
      withCtrl = CaptureScreenArea();
      Send({LeftUp()});
    });
  });
  Drag(CPoint(a.left + 3, a.top + a.Height() / 2), target, false);
  ASSERT_TRUE(WaitFor([&] { return m_pFrame->m_wndBarA.IsFloating(); }));
  EXPECT_TRUE(bHeld);
  SaveScreenshot(overDockBar, "docking-drag-over-bottom");
  SaveScreenshot(withCtrl, "docking-drag-with-ctrl");
  Picture("docking-ctrl-floated");
  EXPECT_NE(overDockBar.pixels, withCtrl.pixels)
      << "the thin docking frame turns into the thick floating one";
}

TEST_F(DockingFrameTest, ACancelledDragLeavesEverythingWhereItWas) {
  struct Case {
    const char* name;
    std::function<void()> cancel;
  };
  CControlBar& bar = m_pFrame->m_wndBarB;
  std::thread otherThread;
  const Case cases[] = {
      {"Esc", [&] { bar.PostMessage(WM_KEYDOWN, VK_ESCAPE); }},
      {"capture lost", [] { ::ReleaseCapture(); }},
      // Another window takes the mouse while the loop waits (as a message box
      // that pops up does); the button-up that follows is no drop.
      {"capture lost while waiting",
       [&] {
         HWND hBar = bar.m_hWnd;
         otherThread = std::thread([hBar] {
           ::SendMessageA(hBar, WM_CANCELMODE, 0, 0);
           ::PostMessageA(hBar, WM_LBUTTONUP, 0, 0);
         });
       }},
      {"right button",
       [] {
         Send({MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP)});
       }},
  };
  // Each press at another place, so that no two make a double click.
  int nPress = 0;
  for (const Case& c : cases) {
    Settle();
    RgbImage before = CaptureScreenArea();
    CRect rectBefore = ScreenRect(bar);
    // The press goes on the gripper, each one lower.
    CRect b = ScreenRect(bar);
    b.top += kPressStep * nPress++;
    bool bHeld = false;
    AfterInput([&] {
      bHeld = ::GetCapture() == bar.m_hWnd;
      c.cancel();
    });
    Drag(CPoint(b.left + 3, b.top + 3), Center(ScreenRect(m_pFrame->m_pane)), false);
    ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; })) << c.name;
    if (otherThread.joinable()) otherThread.join();
    Send({LeftUp()});
    PumpPending();
    EXPECT_TRUE(bHeld) << c.name;
    EXPECT_FALSE(bar.IsFloating()) << c.name;
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, DockBarOf(bar)) << c.name;
    EXPECT_EQ(rectBefore, ScreenRect(bar)) << c.name;
    Settle();
    RgbImage after = CaptureScreenArea();
    EXPECT_EQ(before.pixels, after.pixels) << c.name << ": no frame is left on the screen";
  }
}

TEST_F(DockingFrameTest, ACancelledDragOfAFloatingBarLeavesItsFrameWhereItWas) {
  // Dragged by the caption over the top dock bar, where it would dock, and
  // cancelled by Esc.
  CControlBar& bar = m_pFrame->m_wndBarB;
  m_pFrame->FloatControlBar(&bar, CPoint(420, 300));
  Settle();
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
  ASSERT_NE(nullptr, pFloating);
  CRect frameBefore = ScreenRect(*pFloating);
  CRect client;
  pFloating->GetClientRect(&client);
  pFloating->ClientToScreen(&client);
  bool bHeld = false;
  AfterInput([&] {
    bHeld = ::GetCapture() == bar.m_hWnd;
    bar.PostMessage(WM_KEYDOWN, VK_ESCAPE);
  });
  CPoint caption(frameBefore.left + 8, (frameBefore.top + client.top) / 2);
  Drag(caption, Center(ScreenRect(*m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP))), false);
  ASSERT_TRUE(WaitFor([&] { return !StepPending() && ::GetCapture() == nullptr; }));
  Send({LeftUp()});
  PumpPending();
  EXPECT_TRUE(bHeld);
  EXPECT_EQ(pFloating, FloatingFrameOf(bar));
  EXPECT_EQ(frameBefore, ScreenRect(*pFloating));
  EXPECT_TRUE(pFloating->IsWindowVisible());
}

TEST_F(DockingFrameTest, AFloatingSizableBarIsResizedByItsFrameEdge) {
  // Over the frame: Wine gives queued input to the thread of the window
  // under the mouse when it is queued, so the drag stays over the test's windows.
  m_pFrame->FloatControlBar(&m_pFrame->m_wndSizable, CPoint(250, 150));
  Settle();
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndSizable);
  ASSERT_NE(nullptr, pFloating);
  CRect before = ScreenRect(m_pFrame->m_wndSizable);
  EXPECT_EQ(150, before.Width());
  // The right edge of the frame, dragged 50 pixels to the right.
  CRect frame = ScreenRect(*pFloating);
  CPoint edge(frame.right - 2, frame.top + frame.Height() / 2);
  Drag(edge, CPoint(edge.x + 50, edge.y));
  ASSERT_TRUE(WaitFor([&] { return ScreenRect(m_pFrame->m_wndSizable).Width() != 150; }));
  Picture("docking-resized-floating");
  CRect after = ScreenRect(m_pFrame->m_wndSizable);
  EXPECT_EQ(200, after.Width());
  EXPECT_EQ(CSizableBar::kArea / 200, after.Height());
  EXPECT_EQ(before.TopLeft(), after.TopLeft()) << "the left edge stays";
  EXPECT_EQ(200, m_pFrame->m_wndSizable.m_nMRUWidth);
}

TEST_F(DockingFrameTest, HiddenBarsGiveUpTheirRoomAndFloatingFramesHideWithThem) {
  CRect b = InFrame(m_pFrame->m_wndBarB);
  m_pFrame->ShowControlBar(&m_pFrame->m_wndBarA, FALSE, TRUE);
  EXPECT_FALSE(m_pFrame->m_wndBarA.IsWindowVisible());
  Settle();
  EXPECT_EQ(b, InFrame(m_pFrame->m_wndBarB)) << "B stays at the place it was dragged to";
  Picture("docking-hidden");
  m_pFrame->ShowControlBar(&m_pFrame->m_wndBarA, TRUE, FALSE);
  EXPECT_TRUE(m_pFrame->m_wndBarA.IsWindowVisible());

  m_pFrame->FloatControlBar(&m_pFrame->m_wndBarB, CPoint(420, 300));
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarB);
  ASSERT_NE(nullptr, pFloating);
  // Closing the floating frame hides the bar, and showing the bar brings it back.
  pFloating->SendMessage(WM_CLOSE);
  EXPECT_FALSE(m_pFrame->m_wndBarB.IsWindowVisible());
  EXPECT_FALSE(pFloating->IsWindowVisible());
  EXPECT_EQ(pFloating, FloatingFrameOf(m_pFrame->m_wndBarB));
  m_pFrame->ShowControlBar(&m_pFrame->m_wndBarB, TRUE, FALSE);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_TRUE(m_pFrame->m_wndBarB.IsWindowVisible());
}

TEST_F(DockingFrameTest, TheToolbarsButtonsFollowTheFramesHandlersDockedAndFloating) {
  m_pFrame->FloatControlBar(&m_pFrame->m_wndBarB, CPoint(420, 300));
  struct Case {
    BOOL bRedEnabled;
    BOOL bGreenChecked;
  };
  const Case cases[] = {{FALSE, TRUE}, {TRUE, FALSE}};
  for (const Case& c : cases) {
    m_pFrame->m_bRedEnabled = c.bRedEnabled;
    m_pFrame->m_bGreenChecked = c.bGreenChecked;
    m_app.OnIdle(0);
    for (CToolBar* pBar : {&m_pFrame->m_wndBarA, &m_pFrame->m_wndBarB}) {
      CToolBarCtrl& ctrl = pBar->GetToolBarCtrl();
      EXPECT_EQ(c.bRedEnabled != 0, ctrl.IsButtonEnabled(ID_TBTEST_RED) != 0)
          << pBar->GetDlgCtrlID();
      EXPECT_EQ(c.bGreenChecked != 0, ctrl.IsButtonChecked(ID_TBTEST_GREEN) != 0)
          << pBar->GetDlgCtrlID();
      for (UINT nID : {ID_TBTEST_GREEN, ID_TBTEST_BLUE})
        EXPECT_NE(0, ctrl.IsButtonEnabled(nID)) << pBar->GetDlgCtrlID() << " " << nID;
    }
    if (!c.bRedEnabled) Picture("docking-toolbar-states");
  }
}

TEST_F(DockingFrameTest, BarsFloatInFramesOfTheFramesFloatingFrameClass) {
  m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CTestFloatingFrame);
  m_pFrame->FloatControlBar(&m_pFrame->m_wndBarB, CPoint(420, 300));
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarB);
  ASSERT_NE(nullptr, pFloating);
  EXPECT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CTestFloatingFrame)));
  EXPECT_TRUE(pFloating->IsWindowVisible());

  // A bar dragged off its dock bar too.
  CRect a = ScreenRect(m_pFrame->m_wndBarA);
  Drag(CPoint(a.left + 3, a.top + a.Height() / 2), Center(ScreenRect(m_pFrame->m_pane)));
  ASSERT_TRUE(WaitFor([&] { return m_pFrame->m_wndBarA.IsFloating(); }));
  EXPECT_TRUE(FloatingFrameOf(m_pFrame->m_wndBarA)->IsKindOf(RUNTIME_CLASS(CTestFloatingFrame)));
}

TEST_F(DockingFrameTest, AFloatingFrameIsItsBarGrownByTheMiniFramesBorders) {
  // A bar that wraps its items gets the edges that resize it.
  struct Case {
    CControlBar* pBar;
    DWORD dwFrameStyle;
  };
  const Case cases[] = {{&m_pFrame->m_wndBarB, WS_CAPTION},
                        {&m_pFrame->m_wndSizable, WS_CAPTION | WS_THICKFRAME}};
  for (const Case& c : cases) {
    m_pFrame->FloatControlBar(c.pBar, CPoint(300, 200));
    CMiniDockFrameWnd* pFloating = FloatingFrameOf(*c.pBar);
    ASSERT_NE(nullptr, pFloating) << c.pBar->GetDlgCtrlID();
    CRect client;
    pFloating->GetClientRect(&client);
    pFloating->ClientToScreen(&client);
    EXPECT_EQ(ScreenRect(*c.pBar).Size(), client.Size()) << c.pBar->GetDlgCtrlID();
    CRect calculated = client, borders = client;
    pFloating->CalcWindowRect(&calculated);
    CMiniFrameWnd::CalcBorders(&borders, c.dwFrameStyle);
    EXPECT_EQ(ScreenRect(*pFloating), calculated) << c.pBar->GetDlgCtrlID();
    EXPECT_EQ(borders, calculated) << c.pBar->GetDlgCtrlID();
  }
}

TEST_F(DockingFrameTest, TheViewMenusToolbarItemHidesAndShowsTheToolbarWhereverItIs) {
  // Bar A has the toolbar's id, which the View menu's item names.
  CControlBar& bar = m_pFrame->m_wndBarA;
  auto checkShown = [&] {
    CCheckCmdUI cmdUI;
    cmdUI.m_nID = ID_VIEW_TOOLBAR;
    cmdUI.DoUpdate(m_pFrame, FALSE);
    return cmdUI.m_nCheck;
  };
  CRect pane = InFrame(m_pFrame->m_pane);
  EXPECT_EQ(1, checkShown());
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  Settle();
  EXPECT_FALSE(bar.IsWindowVisible());
  EXPECT_EQ(0, checkShown());
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  Settle();
  EXPECT_TRUE(bar.IsWindowVisible());
  EXPECT_EQ(1, checkShown());
  EXPECT_EQ(pane, InFrame(m_pFrame->m_pane));

  // Floating, its frame goes and comes with it.
  m_pFrame->FloatControlBar(&bar, CPoint(420, 300));
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(bar);
  ASSERT_NE(nullptr, pFloating);
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_FALSE(pFloating->IsWindowVisible());
  EXPECT_EQ(0, checkShown());
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_EQ(1, checkShown());
}

}  // namespace docking_frame_test
}  // namespace docktest
