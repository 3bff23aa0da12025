// The tabbed docking window in a frame on the screen: its tab control made at
// the bottom as the docking window's child, the tab notices passed to the
// frame under the bar's id, clipping that follows docking and floating, the
// frame's active view given back when the focus leaves, and a picture.
#include "toolkit/win/CKWTabCtrlBar.h"

#include <gtest/gtest.h>

#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/CView.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/win/CKWGlobalData.h"

namespace kw_tab_ctrl_bar_test {

constexpr UINT kBarId = 0xE840;
constexpr int kFrameLeft = 30;
constexpr int kFrameTop = 30;
constexpr int kViews = 2;

class CTabBarTestView : public CView {
  DECLARE_DYNCREATE(CTabBarTestView)

 public:
  void OnDraw(CDC* pDC) override {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
  }
};
IMPLEMENT_DYNCREATE(CTabBarTestView, CView)

struct TabNotice {
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
};

// Keeps the tab notices that reach it.
class CTabBarTestFrame : public CFrameWnd {
 public:
  CKWTabCtrlBar m_bar;
  CTabBarTestView* m_pDocView = nullptr;
  std::vector<TabNotice> m_notices;

  BOOL Build() {
    m_pDocView = new CTabBarTestView;
    if (!m_pDocView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                            AFX_IDW_PANE_FIRST) ||
        !m_bar.Create(this, kBarId, "Grammar Tables", CSize(300, 160), CBRS_LEFT | CBRS_GRIPPER,
                      CKWControlBar::kExStyleDefault))
      return FALSE;
    SetActiveView(m_pDocView);
    EnableDocking(CBRS_ALIGN_ANY);
    m_bar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_bar, AFX_IDW_DOCKBAR_LEFT);
    RecalcLayout();
    return TRUE;
  }

 protected:
  afx_msg LRESULT OnTabChanged(WPARAM wParam, LPARAM lParam) {
    m_notices.push_back({KWM_TABSELCHANGED, wParam, lParam});
    return 0;
  }
  afx_msg LRESULT OnTabChanging(WPARAM wParam, LPARAM lParam) {
    m_notices.push_back({KWM_TABSELCHANGING, wParam, lParam});
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTabBarTestFrame, CFrameWnd)
  ON_MESSAGE(KWM_TABSELCHANGED, OnTabChanged)
  ON_MESSAGE(KWM_TABSELCHANGING, OnTabChanging)
END_MESSAGE_MAP()

class TabCtrlBarTest : public AppTest {
 protected:
  void SetUp() override {
    m_pFrame = new CTabBarTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Tabbed docking window",
                                 WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 CRect(kFrameLeft, kFrameTop, kFrameLeft + 520, kFrameTop + 380)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    ASSERT_TRUE(m_pFrame->Build());
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    PumpPending();
    const char* const labels[kViews] = {"Verbs", "Nouns"};
    Tabs().SendMessage(WM_INITIALUPDATE);
    for (const char* label : labels)
      ASSERT_TRUE(Bar().AddView(label, RUNTIME_CLASS(CTabBarTestView), nullptr));
    PumpPending();
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  CKWTabCtrlBar& Bar() { return m_pFrame->m_bar; }
  CKWTabCtrl& Tabs() { return Bar().GetTabCtrl(); }
  // The user picks a tab: the control's own notices, reflected to it.
  void PickTab(int nIndex) {
    NMHDR nm = {Tabs().m_hWnd, CKWTabCtrlBar::kTabCtrlId, static_cast<UINT>(TCN_SELCHANGING)};
    Bar().SendMessage(WM_NOTIFY, CKWTabCtrlBar::kTabCtrlId, reinterpret_cast<LPARAM>(&nm));
    Tabs().SetCurSel(nIndex);
    nm.code = static_cast<UINT>(TCN_SELCHANGE);
    Bar().SendMessage(WM_NOTIFY, CKWTabCtrlBar::kTabCtrlId, reinterpret_cast<LPARAM>(&nm));
  }

  CTabBarTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(TabCtrlBarTest, TabControlIsTheChildWithItsTabsAtTheBottom) {
  EXPECT_EQ(Bar().GetChild(), &Tabs());
  EXPECT_EQ(Tabs().GetDlgCtrlID(), static_cast<int>(CKWTabCtrlBar::kTabCtrlId));
  EXPECT_EQ(Tabs().GetParent(), &Bar());
  const DWORD dwStyle = Tabs().GetStyle();
  EXPECT_EQ(dwStyle & CKWTabCtrlBar::kTabCtrlStyle, CKWTabCtrlBar::kTabCtrlStyle);
  ASSERT_EQ(Bar().GetView(0)->GetRuntimeClass(), RUNTIME_CLASS(CTabBarTestView));
  EXPECT_STREQ(Bar().GetViewTitle(1), "Nouns");
  EXPECT_TRUE(Bar().IsView(Bar().GetView(1)));
  // The tab control fills the inside, less its margin, once the layout
  // follows a change of size (here one the frame's layout undoes).
  CRect inside, tabs;
  Bar().GetWindowRect(&tabs);
  Bar().SetWindowPos(nullptr, 0, 0, tabs.Width() + 1, tabs.Height() + 1,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_pFrame->RecalcLayout();
  Bar().GetInsideRect(inside);
  inside.DeflateRect(1, 1);
  Tabs().GetWindowRect(&tabs);
  Bar().ScreenToClient(&tabs);
  EXPECT_TRUE(tabs == inside);

  Bar().SetActiveView(1);
  EXPECT_EQ(Bar().GetActiveView(), Bar().GetView(1));
  Bar().RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  SaveScreenshot(CaptureWindow(Bar().m_hWnd), "tab_ctrl_bar_left");
}

TEST_F(TabCtrlBarTest, TabNoticesReachTheFrameUnderTheBarsId) {
  m_pFrame->m_notices.clear();
  PickTab(1);
  const LPARAM lTabs = reinterpret_cast<LPARAM>(&Tabs());
  ASSERT_EQ(m_pFrame->m_notices.size(), 2u);
  const UINT messages[] = {KWM_TABSELCHANGING, KWM_TABSELCHANGED};
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(m_pFrame->m_notices[i].nMessage, messages[i]);
    EXPECT_EQ(m_pFrame->m_notices[i].wParam, kBarId);
    EXPECT_EQ(m_pFrame->m_notices[i].lParam, lTabs);
  }
  EXPECT_EQ(Bar().GetActiveView(), Bar().GetView(1));
}

TEST_F(TabCtrlBarTest, FloatingDropsClippingAndDockingBringsItBack) {
  ASSERT_TRUE(Tabs().GetStyle() & WS_CLIPCHILDREN);
  m_pFrame->FloatControlBar(&Bar(), CPoint(kFrameLeft + 150, kFrameTop + 100));
  PumpPending();
  ASSERT_TRUE(Bar().IsFloating());
  EXPECT_FALSE(Tabs().GetStyle() & WS_CLIPCHILDREN);
  m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_RIGHT);
  m_pFrame->RecalcLayout();
  PumpPending();
  ASSERT_FALSE(Bar().IsFloating());
  EXPECT_TRUE(Tabs().GetStyle() & WS_CLIPCHILDREN);
}

TEST_F(TabCtrlBarTest, FocusLeavingTheTabViewGivesTheFrameTheDocumentView) {
  PickTab(0);
  CWnd* pTabView = Bar().GetView(0);
  pTabView->SetFocus();
  Bar().OnUpdateCmdUI(m_pFrame, FALSE);
  ASSERT_EQ(static_cast<CWnd*>(m_pFrame->GetActiveView()), pTabView);

  m_pFrame->m_pDocView->SetFocus();
  Bar().OnUpdateCmdUI(m_pFrame, FALSE);
  EXPECT_EQ(m_pFrame->GetActiveView(), m_pFrame->m_pDocView);
}

TEST_F(TabCtrlBarTest, ImageListSetOnTheTabsReturnsThePreviousOne) {
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, kViews, 0));
  EXPECT_EQ(Bar().SetImageList(&images), nullptr);
  EXPECT_EQ(Bar().SetImageList(nullptr)->GetSafeHandle(), images.GetSafeHandle());
}

TEST_F(TabCtrlBarTest, TheLookGivesTheTabsFivePixelsMoreAtTheBottom) {
  constexpr int kTabBarExtra = 5;
  CKWGlobalData& data = KWGetGlobalData();
  const BOOL bLook = data.bOfficeLook;
  data.bOfficeLook = TRUE;
  CRect client, inside;
  Bar().GetClientRect(&client);
  Bar().GetInsideRect(inside);
  data.bOfficeLook = bLook;
  CRect plain =
      KWDockInsideRect(client, KWDockPlace::kLeftRight, {Bar().GetExtendedStyle(), true}, false);
  plain.bottom += kTabBarExtra;
  EXPECT_TRUE(inside == plain);
}

}  // namespace kw_tab_ctrl_bar_test
