// The sizable docking window in a frame on the screen: its sizes for each
// side, the caption buttons and the child laid out by the side it is docked
// on, the expand button alone in its row, the hide command, the record of its
// sizes in the profile, and a picture of its caption strip.
#include "toolkit/win/CKWDockWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/res/KWDockWindowIds.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWProfileStore.h"

namespace kw_dock_window_test {

std::string Text(const CRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

constexpr UINT kDockId = 0xE830;
constexpr char kCompanyKey[] = "Zulta Dock Window Test";
constexpr char kSection[] = "Bars-Bar0";
constexpr int kFrameLeft = 30;
constexpr int kFrameTop = 30;
const CSize kCreateSize(300, 100);

// Counts the initial updates that reach it.
class CInitCountWnd : public CWnd {
 public:
  int m_nInitialUpdates = 0;

 protected:
  afx_msg LRESULT OnInitialUpdate(WPARAM, LPARAM) {
    ++m_nInitialUpdates;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInitCountWnd, CWnd)
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
END_MESSAGE_MAP()

// Docked on nDockBar, or floating for 0.
constexpr UINT kFloating = 0;

class CDockWindowTestFrame : public CFrameWnd {
 public:
  CKWDockWindow m_dock;
  CWnd m_pane;
  CInitCountWnd m_child;

  // With bInitialUpdate the window has its initial update before its
  // deferred one arrives.
  BOOL Build(UINT nDockBar, DWORD dwExStyle, bool bInitialUpdate) {
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_pane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_dock.Create(this, kDockId, "Lexicon", kCreateSize, CBRS_TOP | CBRS_GRIPPER, dwExStyle) ||
        !m_child.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &m_dock,
                        AFX_IDW_PANE_FIRST))
      return FALSE;
    m_dock.SetChild(&m_child);
    EnableDocking(CBRS_ALIGN_ANY);
    m_dock.EnableDocking(CBRS_ALIGN_ANY);
    if (bInitialUpdate) m_dock.SendMessage(WM_INITIALUPDATE);
    if (nDockBar == kFloating)
      FloatControlBar(&m_dock, CPoint(kFrameLeft + 100, kFrameTop + 100));
    else
      DockControlBar(&m_dock, nDockBar);
    RecalcLayout();
    return TRUE;
  }
};

class DockWindowTest : public AppTest {
 protected:
  void CreateFrame(UINT nDockBar, DWORD dwExStyle = CKWControlBar::kExStyleDefault,
                   bool bInitialUpdate = false) {
    m_pFrame = new CDockWindowTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Docking window", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 CRect(kFrameLeft, kFrameTop, kFrameLeft + 520, kFrameTop + 380)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    ASSERT_TRUE(m_pFrame->Build(nDockBar, dwExStyle, bInitialUpdate));
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    m_pFrame->UpdateWindow();
    PumpPending();
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
    AppTest::TearDown();
  }
  CKWDockWindow& Dock() { return m_pFrame->m_dock; }
  // A child's rectangle in the docking window's client coordinates.
  CRect ChildRect(CWnd* pWnd) {
    CRect rect;
    pWnd->GetWindowRect(&rect);
    Dock().ScreenToClient(&rect);
    return rect;
  }
  CSize ClientSize() {
    CRect rect;
    Dock().GetClientRect(&rect);
    return rect.Size();
  }

  CDockWindowTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(DockWindowTest, CreateKeepsASizeForEachSide) {
  CreateFrame(AFX_IDW_DOCKBAR_TOP);
  const KWDockWindowSizes& sizes = Dock().GetSizes();
  EXPECT_EQ(sizes.horzDocked, CSize(300, 100));
  EXPECT_EQ(sizes.vertDocked, CSize(100, 300));
  EXPECT_EQ(sizes.floating, CSize(100, 100));
  EXPECT_EQ(sizes.desired, CSize(300, 100));
  EXPECT_TRUE(Dock().GetBarStyle() & CBRS_SIZE_DYNAMIC);
  EXPECT_TRUE(Dock().GetBarStyle() & CBRS_GRIPPER);
  EXPECT_TRUE(Dock().GetStyle() & WS_CLIPCHILDREN);
  // The nine icons of the caption-button strip.
  for (int i = 0; i < CKWDockWindow::kIconCount; ++i) EXPECT_NE(Dock().GetIcon(i), nullptr) << i;
}

TEST_F(DockWindowTest, ButtonsAndChildFollowTheSide) {
  struct {
    UINT dockBar;
    bool leftRight;
  } const cases[] = {{AFX_IDW_DOCKBAR_LEFT, true}, {AFX_IDW_DOCKBAR_TOP, false}};
  for (const auto& c : cases) {
    CreateFrame(c.dockBar);
    ASSERT_EQ(Dock().IsVertDocked(), c.leftRight);
    // The layout follows a change of size, here one the frame's layout undoes.
    CRect window;
    Dock().GetWindowRect(&window);
    Dock().SetWindowPos(nullptr, 0, 0, window.Width() + 1, window.Height() + 1,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    const CSize client = ClientSize();
    CRect hide = ChildRect(Dock().GetHideButton());
    CRect expand = ChildRect(Dock().GetExpandButton());
    if (c.leftRight) {
      // Expand 29 pixels from the right edge, hide 14 further right.
      EXPECT_EQ(expand, CRect(client.cx - 29, 6, client.cx - 17, 18));
      EXPECT_EQ(hide, CRect(client.cx - 15, 6, client.cx - 3, 18));
    } else {
      EXPECT_EQ(Text(hide), "3,3,15,15");
      EXPECT_EQ(Text(expand), "3,17,15,29");
    }
    EXPECT_TRUE(Dock().GetHideButton()->IsWindowVisible());
    CRect inside;
    Dock().GetInsideRect(inside);
    inside.DeflateRect(1, 1);
    EXPECT_EQ(Text(ChildRect(&m_pFrame->m_child)), Text(inside));
    ::DestroyWindow(m_hFrame);
  }
}

TEST_F(DockWindowTest, ExpandButtonIsGreyAloneInItsRow) {
  CreateFrame(AFX_IDW_DOCKBAR_LEFT);
  struct {
    BOOL onlyInRow, expanded;
    int icon;
    BOOL enabled;
  } const cases[] = {
      {TRUE, TRUE, 3, FALSE}, {FALSE, FALSE, 4, TRUE}, {FALSE, TRUE, 8, TRUE}, {TRUE, FALSE, 3, FALSE},
  };
  for (const auto& c : cases) {
    KWDockWindowSizes sizes = Dock().GetSizes();
    sizes.bOnlyInRow = c.onlyInRow;
    sizes.bExpanded = c.expanded;
    std::vector<BYTE> bytes = sizes.ToRecord(0);
    DockWindowSizeRecord record;
    std::copy(bytes.begin(), bytes.end(), record.bytes);
    Dock().SetSizeRecord(record);
    Dock().OnUpdateCmdUI(m_pFrame, FALSE);
    EXPECT_EQ(Dock().GetExpandButtonState(), c.icon);
    EXPECT_EQ(Dock().GetExpandButton()->GetBarIcon(), Dock().GetIcon(c.icon));
    EXPECT_EQ(Dock().GetExpandButton()->IsWindowEnabled(), c.enabled);
  }
}

TEST_F(DockWindowTest, HideCommandHidesTheBar) {
  CreateFrame(AFX_IDW_DOCKBAR_LEFT);
  ASSERT_TRUE(Dock().IsWindowVisible());
  Dock().SendMessage(WM_COMMAND, MAKEWPARAM(ID_KW_HIDE_DOCKED, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Dock().GetHideButton()->m_hWnd));
  EXPECT_FALSE(Dock().IsWindowVisible());
}

TEST_F(DockWindowTest, RecordInTheProfileBringsBackSizesAndFlags) {
  m_app.SetRegistryKey(kCompanyKey);
  CreateFrame(AFX_IDW_DOCKBAR_LEFT);
  Dock().ExpandLength(222);
  Dock().SaveBarPosition(kSection);
  Dock().RestoreLength();
  Dock().ModifyExtendedStyle(0, kKWDockTwoGripperLines, FALSE);
  const DWORD dwExStyle = Dock().GetExtendedStyle();
  Dock().LoadBarPosition(kSection);
  EXPECT_TRUE(Dock().IsExpanded());
  EXPECT_EQ(Dock().GetDesiredHeight(), 222);
  // The extended style is not taken over.
  EXPECT_EQ(Dock().GetExtendedStyle(), dwExStyle);

  // A stored value too short for the sizes and flags changes nothing.
  CKWProfileStore store;
  const BYTE shortRecord[kKWDockSizeRecordAppliedBytes - 1] = {};
  ASSERT_TRUE(store.WriteBinary(kSection, "Bar Position", shortRecord, sizeof shortRecord));
  Dock().LoadBarPosition(kSection);
  EXPECT_TRUE(Dock().IsExpanded());
  EXPECT_EQ(Dock().GetDesiredHeight(), 222);
  free(const_cast<LPSTR>(m_app.m_pszRegistryKey));
  m_app.m_pszRegistryKey = nullptr;
}

TEST_F(DockWindowTest, CaptionStripPicture) {
  CreateFrame(AFX_IDW_DOCKBAR_LEFT, CKWControlBar::kExStyleDefault | kKWDockTwoGripperLines);
  Dock().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  RgbImage image = CaptureWindow(Dock().m_hWnd);
  SaveScreenshot(image, "dock_window_left");
  // The gripper's first line: highlight at its top-left, shadow at its bottom-right.
  const CRect line = KWDockGripperLinesFor(ClientSize(), KWDockPlace::kLeftRight,
                                           {Dock().GetExtendedStyle(), false}, 0)
                         .lines[0];
  const COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  auto at = [&](int x, int y) {
    uint32_t rgb = image.PixelAt(x, y);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  };
  EXPECT_EQ(at(line.right - 2, line.top), hilite);
  EXPECT_EQ(at(line.right - 2, line.bottom - 1), shadow);
}

TEST_F(DockWindowTest, CaptionModeFillsTheStripInTheCaptionColour) {
  CreateFrame(AFX_IDW_DOCKBAR_LEFT,
              CKWControlBar::kExStyleDefault | kKWDockCaption | kKWDockGradientCaption);
  ASSERT_FALSE(Dock().IsActive());
  Dock().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  RgbImage image = CaptureWindow(Dock().m_hWnd);
  SaveScreenshot(image, "dock_window_caption");
  const CRect caption = KWDockGripperLinesFor(ClientSize(), KWDockPlace::kLeftRight,
                                              {Dock().GetExtendedStyle(), false}, 0)
                            .caption;
  // The first band of a gradient is the caption colour itself.
  uint32_t rgb = image.PixelAt(caption.left, caption.top);
  EXPECT_EQ(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF),
            KWGetGlobalData().clrInactiveCaption);
}

TEST_F(DockWindowTest, DeferredInitialUpdateReachesAFloatingWindowsChildOnce) {
  struct {
    UINT dockBar;
    bool initialUpdateFirst;
    int childUpdates;
  } const cases[] = {
      {kFloating, false, 1},
      // An initial update in between: the deferred one does nothing.
      {kFloating, true, 0},
      // Docked windows have theirs from the frame.
      {AFX_IDW_DOCKBAR_LEFT, false, 0},
  };
  for (const auto& c : cases) {
    CreateFrame(c.dockBar, CKWControlBar::kExStyleDefault, c.initialUpdateFirst);
    EXPECT_EQ(Dock().IsFloating(), c.dockBar == kFloating);
    EXPECT_EQ(m_pFrame->m_child.m_nInitialUpdates, c.childUpdates) << c.dockBar << c.initialUpdateFirst;
    ::DestroyWindow(m_hFrame);
  }
}

TEST_F(DockWindowTest, FloatingHidesTheButtons) {
  CreateFrame(kFloating);
  Dock().OnUpdateCmdUI(m_pFrame, FALSE);
  EXPECT_FALSE(Dock().GetHideButton()->IsWindowVisible());
  EXPECT_FALSE(Dock().GetExpandButton()->IsWindowVisible());
}

// Two docking windows side by side in the row of the toolkit's top dock bar.
class CDockRowFrame : public CFrameWnd {
 public:
  CKWDockBar m_dockTop;
  CKWDockWindow m_windows[2];
  CWnd m_pane;

  BOOL Build() {
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_pane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_dockTop.Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                          AFX_IDW_DOCKBAR_TOP))
      return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    for (int n = 0; n < 2; ++n) {
      if (!m_windows[n].Create(this, kDockId + n, n == 0 ? "Lexicon" : "Verbs", CSize(200, 100),
                               CBRS_TOP | CBRS_GRIPPER, CKWControlBar::kExStyleDefault))
        return FALSE;
      m_windows[n].EnableDocking(CBRS_ALIGN_ANY);
    }
    DockControlBar(&m_windows[0], AFX_IDW_DOCKBAR_TOP);
    RecalcLayout();
    CRect rect;
    m_windows[0].GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(&m_windows[1], AFX_IDW_DOCKBAR_TOP, &rect);
    RecalcLayout();
    return TRUE;
  }
};

// Two docking windows sharing the top row, on the screen.
class DockWindowRowTest : public DockWindowTest {
 protected:
  void ShowRowFrame(CDockRowFrame*& pFrame) {
    pFrame = new CDockRowFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "Dock row", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                               CRect(kFrameLeft, kFrameTop, kFrameLeft + 520, kFrameTop + 380)));
    m_hFrame = pFrame->m_hWnd;
    ASSERT_TRUE(pFrame->Build());
    pFrame->ShowWindow(SW_SHOWNA);
    PumpPending();
  }
};

TEST_F(DockWindowRowTest, ExpandCommandTakesTheRowAndContractGivesItBack) {
  CDockRowFrame* pFrame = nullptr;
  ASSERT_NO_FATAL_FAILURE(ShowRowFrame(pFrame));
  CKWDockWindow& first = pFrame->m_windows[0];
  CKWDockWindow& second = pFrame->m_windows[1];
  ASSERT_TRUE(first.IsHorzDocked());
  ASSERT_TRUE(second.IsHorzDocked());
  // Docking the second window into the row may have left the first expanded.
  if (first.IsExpanded()) first.SendMessage(WM_COMMAND, ID_KW_EXPAND_DOCKED);
  ASSERT_FALSE(first.IsExpanded());
  const int nFirstWidth = first.GetDesiredWidth();
  const int nSecondWidth = second.GetDesiredWidth();
  ASSERT_GT(nSecondWidth, second.GetMinLength());

  first.SendMessage(WM_COMMAND, ID_KW_EXPAND_DOCKED);
  EXPECT_TRUE(first.IsExpanded());
  EXPECT_EQ(second.GetDesiredWidth(), second.GetMinLength());
  EXPECT_GT(first.GetDesiredWidth(), nFirstWidth);

  first.SendMessage(WM_COMMAND, ID_KW_EXPAND_DOCKED);
  EXPECT_FALSE(first.IsExpanded());
  EXPECT_EQ(first.GetDesiredWidth(), nFirstWidth);
  EXPECT_EQ(second.GetDesiredWidth(), nSecondWidth);

  // Hidden while expanded: its row comes back first, and the other window
  // then has the row to itself.
  first.SendMessage(WM_COMMAND, ID_KW_EXPAND_DOCKED);
  pFrame->ShowControlBar(&first, FALSE, FALSE);
  EXPECT_FALSE(first.IsExpanded());
  EXPECT_EQ(first.GetDesiredWidth(), nFirstWidth);
  EXPECT_GT(second.GetDesiredWidth(), nSecondWidth);
}

TEST_F(DockWindowRowTest, LayoutTellsEachWindowWhetherItIsAloneInItsRow) {
  CDockRowFrame* pFrame = nullptr;
  ASSERT_NO_FATAL_FAILURE(ShowRowFrame(pFrame));
  CKWDockWindow& first = pFrame->m_windows[0];
  CKWDockWindow& second = pFrame->m_windows[1];
  EXPECT_FALSE(first.IsOnlyInRow());
  EXPECT_FALSE(second.IsOnlyInRow());
  first.OnUpdateCmdUI(pFrame, FALSE);
  EXPECT_TRUE(first.GetExpandButton()->IsWindowEnabled());

  // With the other hidden the row is its own, and there is nothing to expand over.
  pFrame->ShowControlBar(&second, FALSE, FALSE);
  pFrame->RecalcLayout();
  EXPECT_TRUE(first.IsOnlyInRow());
  first.OnUpdateCmdUI(pFrame, FALSE);
  EXPECT_FALSE(first.GetExpandButton()->IsWindowEnabled());

  pFrame->ShowControlBar(&second, TRUE, FALSE);
  pFrame->RecalcLayout();
  EXPECT_FALSE(first.IsOnlyInRow());
}

}  // namespace kw_dock_window_test
