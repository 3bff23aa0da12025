// The toolkit's dock bar in a frame on the screen: toolbars laid out in rows
// without overlap, a bar keeping the place it was dropped at, a bar past the
// row's end wrapping into a row of its own, a splitter's drag driven by the
// dock bar's hit-testing, capture and cancel, two docking windows sharing a
// row whose splitters deepen it and move the boundary between them, and the
// bar list on a right click. Pictures go to the screenshots folder.
#include "toolkit/win/CKWDockBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWDockSplitter.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWToolBar.h"

namespace kw_dock_bar_test {

constexpr DWORD kDockBarWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr int kFrameLeft = 40;
constexpr int kFrameTop = 40;
constexpr int kFrameHeight = 220;
constexpr UINT kFirstWindowId = 0xE830;
const CSize kWindowSize(200, 100);
constexpr int kSplitterDepth = 6;
constexpr int kDragDistance = 30;
constexpr int kRowFrameWidth = 520;
constexpr int kRowFrameHeight = 380;

// The side the next frame puts its toolkit dock bar on.
struct DockSide {
  UINT nID;
  DWORD dwAlign;
};
constexpr DockSide kTopSide = {AFX_IDW_DOCKBAR_TOP, CBRS_TOP};
DockSide g_side = kTopSide;

// A frame with the toolkit's dock bar on one side; the other sides are the
// class library's.
class CDockSiteFrame : public CFrameWnd {
 public:
  CKWDockBar m_dockBar;
  CWnd m_pane;

 protected:
  BOOL CreateDockSite() {
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_pane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_dockBar.Create(this, kDockBarWindowStyle | g_side.dwAlign, g_side.nID))
      return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
  }
};

// Two toolbars, each in a row of its own.
class CDockTestFrame : public CDockSiteFrame {
 public:
  CKWToolBar m_bar1;
  CKWToolBar m_bar2;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || !CreateDockSite()) return -1;
    CKWToolBar* bars[] = {&m_bar1, &m_bar2};
    for (CKWToolBar* pBar : bars) {
      if (!pBar->CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC) ||
          !pBar->LoadToolBar(IDR_KWTEST_TOOLBAR))
        return -1;
      pBar->EnableDocking(CBRS_ALIGN_ANY);
      DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    }
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockTestFrame, CDockSiteFrame)
  ON_WM_CREATE()
END_MESSAGE_MAP()

// Two docking windows; the first docked on the top dock bar.
class CDockRowFrame : public CDockSiteFrame {
 public:
  CKWDockWindow m_windows[2];

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || !CreateDockSite()) return -1;
    const char* titles[] = {"Lexicon", "Verbs"};
    for (int n = 0; n < 2; ++n) {
      if (!m_windows[n].Create(this, kFirstWindowId + n, titles[n], kWindowSize,
                               CBRS_TOP | CBRS_GRIPPER, CKWControlBar::kExStyleDefault))
        return -1;
      m_windows[n].EnableDocking(CBRS_ALIGN_ANY);
    }
    m_dockBar.DockControlBar(&m_windows[0]);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockRowFrame, CDockSiteFrame)
  ON_WM_CREATE()
END_MESSAGE_MAP()

// Only dock bars, which the bar list leaves out.
class CEmptyDockFrame : public CDockSiteFrame {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CFrameWnd::OnCreate(lpCreateStruct) == -1 || !CreateDockSite() ? -1 : 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEmptyDockFrame, CDockSiteFrame)
  ON_WM_CREATE()
END_MESSAGE_MAP()

// The items of the menu a right click opened, read from inside its loop.
struct MenuItemSeen {
  std::string text;
  BOOL bChecked;
};
std::vector<MenuItemSeen> g_items;
BOOL g_bMenuSeen = FALSE;

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND hMenuWnd = kwtest::OpenMenuWindow();
  if (hMenuWnd == nullptr || g_bMenuSeen) return;
  constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
  HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, kGetMenuHandle, 0, 0));
  for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
    char text[64] = {};
    ::GetMenuStringA(hMenu, i, text, sizeof(text), MF_BYPOSITION);
    g_items.push_back({text, (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_CHECKED) != 0});
  }
  g_bMenuSeen = TRUE;
  ::EndMenu();
}

template <typename Frame>
class FrameTest : public AppTest {
 protected:
  void CreateFrame(int nWidth, int nHeight) {
    m_pFrame = new Frame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Dock bar", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 CRect(kFrameLeft, kFrameTop, kFrameLeft + nWidth, kFrameTop + nHeight)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    m_pFrame->UpdateWindow();
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    g_side = kTopSide;
    AppTest::TearDown();
  }
  CKWDockBar& Dock() { return m_pFrame->m_dockBar; }
  // A bar's place in the dock bar's client area.
  CRect PlaceOf(CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    Dock().ScreenToClient(&rect);
    return rect;
  }
  void Picture(const std::string& name) {
    m_pFrame->RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    CRect area;
    m_pFrame->GetWindowRect(&area);
    HDC hScreen = ::GetDC(nullptr);
    SaveScreenshot(CaptureDC(hScreen, area.left, area.top, area.Width(), area.Height()), name);
    ::ReleaseDC(nullptr, hScreen);
  }
  // Right-clicks the dock bar and reads the menu that opens, if any.
  void RightClick() {
    g_items.clear();
    g_bMenuSeen = FALSE;
    // The menu runs its own loop: a thread timer looks at it from there.
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ReadMenu);
    Dock().SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(4, 4));
    ::KillTimer(nullptr, nTimer);
  }
  // A splitter's press on the dock bar, through its hit test.
  void Press(CPoint point) {
    Dock().ClientToScreen(&point);
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    ASSERT_EQ(Dock().SendMessage(WM_NCHITTEST, 0, lParam), HTBORDER);
    Dock().SendMessage(WM_NCLBUTTONDOWN, HTBORDER, lParam);
    ASSERT_TRUE(Dock().IsTracking());
  }
  void Move(CPoint point) {
    Dock().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  }

  Frame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

class DockBarTest : public FrameTest<CDockTestFrame> {
 protected:
  void CreateFrame(int nWidth) { FrameTest::CreateFrame(nWidth, kFrameHeight); }
};

TEST_F(DockBarTest, RowsOfToolbarsStackWithoutOverlap) {
  ASSERT_NO_FATAL_FAILURE(CreateFrame(500));
  const CRect first = PlaceOf(m_pFrame->m_bar1);
  const CRect second = PlaceOf(m_pFrame->m_bar2);
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(second.left, 0);
  EXPECT_EQ(second.top, first.bottom);  // toolkit bars share no edge
  CRect dock;
  Dock().GetClientRect(&dock);
  EXPECT_EQ(dock.Height(), second.bottom + 1);
  EXPECT_EQ(Dock().GetSplitterCount(), 0);  // no docking windows, no splitters
  Picture("kw_dockbar_rows");
}

TEST_F(DockBarTest, ABarKeepsThePlaceItWasDroppedAt) {
  ASSERT_NO_FATAL_FAILURE(CreateFrame(700));
  CRect drop;
  m_pFrame->m_bar1.GetWindowRect(&drop);
  const int nOffset = drop.Width() + 40;
  drop.OffsetRect(nOffset, 0);
  Dock().DockControlBar(&m_pFrame->m_bar2, &drop);
  m_pFrame->RecalcLayout();
  const CRect first = PlaceOf(m_pFrame->m_bar1);
  const CRect second = PlaceOf(m_pFrame->m_bar2);
  EXPECT_EQ(second.top, first.top);
  EXPECT_EQ(second.left, first.left + nOffset);
  m_pFrame->RecalcLayout();
  EXPECT_EQ(PlaceOf(m_pFrame->m_bar2), second);
}

TEST_F(DockBarTest, ABarPastTheRowsEndWrapsIntoARowOfItsOwn) {
  ASSERT_NO_FATAL_FAILURE(CreateFrame(700));
  CRect drop;
  m_pFrame->m_bar1.GetWindowRect(&drop);
  drop.OffsetRect(drop.Width(), 0);
  Dock().DockControlBar(&m_pFrame->m_bar2, &drop);
  m_pFrame->RecalcLayout();
  ASSERT_EQ(PlaceOf(m_pFrame->m_bar2).top, PlaceOf(m_pFrame->m_bar1).top);
  // Narrower than the first bar: the second starts the next row.
  m_pFrame->SetWindowPos(nullptr, 0, 0, PlaceOf(m_pFrame->m_bar1).Width() - 10, kFrameHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_pFrame->RecalcLayout();
  m_pFrame->RecalcLayout();
  const CRect first = PlaceOf(m_pFrame->m_bar1);
  const CRect second = PlaceOf(m_pFrame->m_bar2);
  EXPECT_EQ(second.left, 0);
  EXPECT_EQ(second.top, first.bottom);
  EXPECT_EQ(Dock().GetDockedCount(), 2);
}

class SplitterTest : public DockBarTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CreateFrame(500));
    // A row splitter under the first row, as a layout pass makes for a row
    // of docking windows.
    const CRect first = PlaceOf(m_pFrame->m_bar1);
    CRect dock;
    Dock().GetClientRect(&dock);
    m_rect = CRect(0, first.bottom, dock.right, first.bottom + kSplitterDepth);
    Dock().AddSplitter(m_rect, kKWSplitterHorz, TRUE, Dock().GetRowStart(&m_pFrame->m_bar1));
    m_pFrame->m_pane.SetFocus();
  }
  CPoint ScreenPoint(CPoint point) {
    Dock().ClientToScreen(&point);
    return point;
  }
  void Press() { FrameTest::Press(m_rect.CenterPoint()); }
  void Move(int dy) { FrameTest::Move(m_rect.CenterPoint() + CSize(0, dy)); }
  CRect m_rect;
};

TEST_F(SplitterTest, HitTestingMakesTheSplitterHotUnderItsCursor) {
  const CPoint inside = ScreenPoint(m_rect.CenterPoint());
  EXPECT_EQ(Dock().SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTBORDER);
  EXPECT_EQ(Dock().GetHotSplitter(), 0);
  EXPECT_EQ(::GetCursor(), KWGetGlobalData().hcurSplitNS);
  const CPoint above = ScreenPoint(CPoint(10, m_rect.top - 3));
  EXPECT_NE(Dock().SendMessage(WM_NCHITTEST, 0, MAKELPARAM(above.x, above.y)), HTBORDER);
  EXPECT_EQ(Dock().GetHotSplitter(), -1);
  Picture("kw_dockbar_splitter");
}

TEST_F(SplitterTest, DragTakesCaptureAndFocusAndCancelGivesThemBack) {
  const HWND hPane = m_pFrame->m_pane.m_hWnd;
  ASSERT_NO_FATAL_FAILURE(Press());
  EXPECT_EQ(::GetCapture(), Dock().m_hWnd);
  EXPECT_EQ(::GetFocus(), Dock().m_hWnd);
  CKWDockSplitter* pSplitter = Dock().GetSplitter(0);
  const KWSplitterExtent start = pSplitter->GetExtent();
  EXPECT_EQ(start.current, PlaceOf(m_pFrame->m_bar1).Height());
  EXPECT_EQ(start.lower, start.current);  // a row of toolbars is as thin as they are
  const CRect track = pSplitter->GetTrackRect();
  Move(kDragDistance);
  EXPECT_EQ(pSplitter->GetExtent().current, start.current + kDragDistance);
  EXPECT_EQ(pSplitter->GetTrackRect(), track + CPoint(0, kDragDistance));
  Move(-kDragDistance * 2);  // not thinner than its bars
  EXPECT_EQ(pSplitter->GetExtent().current, start.lower);
  Dock().SendMessage(WM_COMMAND, IDCANCEL);
  EXPECT_FALSE(Dock().IsTracking());
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(::GetFocus(), hPane);
}

TEST_F(SplitterTest, ReleasingWhereItWasPressedChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(Press());
  const CRect first = PlaceOf(m_pFrame->m_bar1);
  const CPoint point = m_rect.CenterPoint();
  Dock().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  EXPECT_FALSE(Dock().IsTracking());
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Dock().GetSplitter(0)->GetExtent().current, Dock().GetSplitter(0)->GetExtent().start);
  EXPECT_EQ(PlaceOf(m_pFrame->m_bar1), first);
}

TEST_F(SplitterTest, ALayoutDuringADragEndsIt) {
  ASSERT_NO_FATAL_FAILURE(Press());
  m_pFrame->RecalcLayout();
  EXPECT_FALSE(Dock().IsTracking());
  EXPECT_EQ(Dock().GetSplitterCount(), 0);
  EXPECT_EQ(::GetCapture(), nullptr);
  Move(kDragDistance);  // nothing left to drag
  Dock().SendMessage(WM_LBUTTONUP, 0, 0);
}

class DockRowTest : public FrameTest<CDockRowFrame> {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CreateFrame(kRowFrameWidth, kRowFrameHeight));
    // The second window dropped over the first's far half joins its row.
    CRect drop;
    m_pFrame->m_windows[0].GetWindowRect(&drop);
    if (Dock().GetDlgCtrlID() == AFX_IDW_DOCKBAR_TOP || Dock().GetDlgCtrlID() == AFX_IDW_DOCKBAR_BOTTOM)
      drop.OffsetRect(drop.Width() / 2, 0);
    else
      drop.OffsetRect(0, drop.Height() / 2);
    Dock().DockControlBar(&m_pFrame->m_windows[1], &drop);
    m_pFrame->RecalcLayout();
    m_pFrame->RecalcLayout();
    PumpPending();
  }
  CKWDockSplitter* FindSplitter(BOOL bRow) {
    for (int n = 0; n < Dock().GetSplitterCount(); ++n)
      if (Dock().GetSplitter(n)->IsRowSplitter() == bRow) return Dock().GetSplitter(n);
    return nullptr;
  }
};

TEST_F(DockRowTest, TwoWindowsShareTheRowWithASplitterBetween) {
  const CRect first = PlaceOf(m_pFrame->m_windows[0]);
  const CRect second = PlaceOf(m_pFrame->m_windows[1]);
  CRect dock;
  Dock().GetClientRect(&dock);
  EXPECT_EQ(first.top, second.top);
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(second.left, first.right + kKWDockSplitterWidth);
  EXPECT_EQ(second.right, dock.right);
  CKWDockSplitter* pBar = FindSplitter(FALSE);
  ASSERT_NE(pBar, nullptr);
  EXPECT_EQ(pBar->GetRect(), CRect(first.right, first.top, second.left, first.bottom));
  CKWDockSplitter* pRow = FindSplitter(TRUE);
  ASSERT_NE(pRow, nullptr);
  EXPECT_EQ(pRow->GetRect().top, first.bottom);
  EXPECT_EQ(pRow->GetRect().Height(), kKWDockSplitterWidth);
  EXPECT_EQ(pRow->GetRect().right, dock.right);
  Picture("kw_dockbar_window_row");
  // The row splitter's raised edge: light above, the frame colour at the
  // bottom with the shadow just over it.
  const RgbImage image = CaptureWindow(Dock().m_hWnd);
  const CRect strip = pRow->GetRect();
  const CKWGlobalData& data = KWGetGlobalData();
  struct EdgeRow {
    int y;
    COLORREF color;
  };
  const EdgeRow rows[] = {{strip.top, data.clrBtnHilite},
                          {strip.bottom - 2, data.clrBtnShadow},
                          {strip.bottom - 1, data.clrWindowFrame}};
  for (const EdgeRow& row : rows) {
    const RECT line = {strip.left + 1, row.y, strip.right - 2, row.y + 1};
    EXPECT_EQ(CountPixels(image, line, IsColor(row.color)), line.right - line.left) << row.y;
  }
}

TEST_F(DockRowTest, DraggingTheRowSplitterDownDeepensTheRow) {
  CKWDockSplitter* pRow = FindSplitter(TRUE);
  ASSERT_NE(pRow, nullptr);
  const int nDepth = PlaceOf(m_pFrame->m_windows[0]).Height();
  const CPoint press = pRow->GetRect().CenterPoint();
  ASSERT_NO_FATAL_FAILURE(Press(press));
  const CPoint release = press + CSize(0, kDragDistance);
  Move(release);
  Dock().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
  m_pFrame->RecalcLayout();
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[0]).Height(), nDepth + kDragDistance);
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[1]).Height(), nDepth + kDragDistance);
}

TEST_F(DockRowTest, DraggingTheBarSplitterMovesTheBoundaryNoFurtherThanTheMinimum) {
  auto drag = [&](int dx) {
    CKWDockSplitter* pBar = FindSplitter(FALSE);
    ASSERT_NE(pBar, nullptr);
    const CPoint press = pBar->GetRect().CenterPoint();
    ASSERT_NO_FATAL_FAILURE(Press(press));
    const CPoint release = press + CSize(dx, 0);
    Move(release);
    Dock().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    m_pFrame->RecalcLayout();
  };
  const CRect first = PlaceOf(m_pFrame->m_windows[0]);
  const CRect second = PlaceOf(m_pFrame->m_windows[1]);
  ASSERT_NO_FATAL_FAILURE(drag(kDragDistance));
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[0]).right, first.right + kDragDistance);
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[1]).left, second.left + kDragDistance);
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[1]).right, second.right);
  ASSERT_NO_FATAL_FAILURE(drag(-kRowFrameWidth));
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[0]).Width(), m_pFrame->m_windows[0].GetMinLength());
  EXPECT_EQ(PlaceOf(m_pFrame->m_windows[1]).right, second.right);
}

TEST_F(DockRowTest, RightClickListsTheFramesBarsCheckedWhileShown) {
  m_pFrame->m_windows[0].ShowWindow(SW_HIDE);
  RightClick();
  ASSERT_TRUE(g_bMenuSeen);
  ASSERT_EQ(g_items.size(), 2u);
  EXPECT_EQ(g_items[0].text, "Verbs");
  EXPECT_TRUE(g_items[0].bChecked);
  EXPECT_EQ(g_items[1].text, "Lexicon");
  EXPECT_FALSE(g_items[1].bChecked);
}

// The other sides: rows run down the left and right dock bars, and every
// row splitter deepens its row when dragged away from the frame's edge.
struct SideCase {
  DockSide side;
  CSize away;  // a drag away from the frame's edge
};

class DockSideTest : public DockRowTest, public ::testing::WithParamInterface<SideCase> {
 protected:
  void SetUp() override {
    g_side = GetParam().side;
    DockRowTest::SetUp();
  }
  BOOL IsHorz() const { return GetParam().away.cx == 0; }
  int Along(const CRect& r, BOOL bEnd) const {
    return IsHorz() ? (bEnd ? r.right : r.left) : (bEnd ? r.bottom : r.top);
  }
  int Depth(const CRect& r) const { return IsHorz() ? r.Height() : r.Width(); }
};

TEST_P(DockSideTest, WindowsShareTheRowAndItsSplitterDeepensIt) {
  const CRect first = PlaceOf(m_pFrame->m_windows[0]);
  const CRect second = PlaceOf(m_pFrame->m_windows[1]);
  CRect dock;
  Dock().GetClientRect(&dock);
  EXPECT_EQ(Along(second, FALSE), Along(first, TRUE) + kKWDockSplitterWidth);
  // The row is as long as the room, wherever it starts.
  EXPECT_EQ(Along(second, TRUE) - Along(first, FALSE), Along(dock, TRUE));
  CKWDockSplitter* pRow = FindSplitter(TRUE);
  ASSERT_NE(pRow, nullptr);
  EXPECT_EQ(Depth(pRow->GetRect()), kKWDockSplitterWidth);
  const int nDepth = Depth(first);
  const CPoint press = pRow->GetRect().CenterPoint();
  ASSERT_NO_FATAL_FAILURE(Press(press));
  const CPoint release = press + GetParam().away;
  Move(release);
  Dock().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
  m_pFrame->RecalcLayout();
  EXPECT_EQ(Depth(PlaceOf(m_pFrame->m_windows[0])), nDepth + kDragDistance);
  EXPECT_EQ(Depth(PlaceOf(m_pFrame->m_windows[1])), nDepth + kDragDistance);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, DockSideTest,
    ::testing::Values(SideCase{{AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM}, {0, -kDragDistance}},
                      SideCase{{AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT}, {kDragDistance, 0}},
                      SideCase{{AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT}, {-kDragDistance, 0}}));

using EmptyDockTest = FrameTest<CEmptyDockFrame>;

TEST_F(EmptyDockTest, RightClickWithNoListableBarsShowsNoMenu) {
  ASSERT_NO_FATAL_FAILURE(CreateFrame(kRowFrameWidth, kFrameHeight));
  RightClick();
  EXPECT_FALSE(g_bMenuSeen);
  EXPECT_EQ(kwtest::OpenMenuWindow(), nullptr);
}

}  // namespace kw_dock_bar_test
