// The toolkit's tab control on the screen: each tab's window shown alone and
// sized to the area beside the tabs, the selection after a delete, F6 and
// Ctrl+Tab cycling, labels shortened to fit, a tab view that becomes the
// frame's active view and gives way to the earlier one when the control is
// hidden, and a picture.
#include "toolkit/win/CKWTabCtrl.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CToolTipCtrl.h"
#include "classlib/win/CView.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/win/CKWGlobalData.h"

namespace kw_tab_ctrl_test {

constexpr UINT kTabId = 300;
constexpr int kPanes = 3;

class CTabTestView : public CView {
  DECLARE_DYNCREATE(CTabTestView)

 public:
  void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CTabTestView, CView)

class TabCtrlTest : public AppTest {
 protected:
  void SetUp() override {
    m_pFrame = new CFrameWnd;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Tabs", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 CRect(30, 30, 430, 330)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(10, 10, 390, 290),
                              m_pFrame, kTabId));
    m_pFrame->ShowWindow(SW_SHOWNA);
    PumpPending();
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  void AddPanes() {
    LPCSTR lpszClass = AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const char* const labels[kPanes] = {"Verbs", "Nouns", "Particles"};
    for (int i = 0; i < kPanes; ++i) {
      ASSERT_TRUE(m_panes[i].Create(lpszClass, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                                    m_pFrame, 100 + i));
      ASSERT_TRUE(m_tabs.AddControl(labels[i], &m_panes[i]));
    }
  }
  // The pane that alone is visible and enabled, -1 for none or several.
  int ShownPane() {
    int shown = -1;
    for (int i = 0; i < kPanes; ++i) {
      if (!::IsWindow(m_panes[i].m_hWnd) || !m_panes[i].IsWindowVisible()) continue;
      if (shown >= 0 || !m_panes[i].IsWindowEnabled()) return -1;
      shown = i;
    }
    return shown;
  }
  std::string ShownText(int nIndex) {
    char buffer[64] = {};
    TCITEMA tci = {};
    tci.mask = TCIF_TEXT;
    tci.pszText = buffer;
    tci.cchTextMax = sizeof buffer;
    m_tabs.GetItem(nIndex, &tci);
    return buffer;
  }
  void PressKey(UINT vk, bool bShift, bool bCtrl) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = bShift ? 0x80 : 0;
    keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    MSG msg = {m_tabs.m_hWnd, WM_KEYDOWN, vk, 0, 0, {0, 0}};
    EXPECT_TRUE(m_tabs.PreTranslateMessage(&msg));
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
  }

  CFrameWnd* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  CKWTabCtrl m_tabs;
  CWnd m_panes[kPanes];
};

TEST_F(TabCtrlTest, SelectedWindowAloneShownInTheAreaBesideTheTabs) {
  AddPanes();
  EXPECT_EQ(m_tabs.GetCurSel(), 2);
  EXPECT_EQ(ShownPane(), 2);
  m_tabs.SetActiveView(0);
  EXPECT_EQ(ShownPane(), 0);
  EXPECT_EQ(m_tabs.GetActiveView(), &m_panes[0]);
  CRect area, pane;
  m_tabs.GetClientArea(area);
  m_panes[0].GetWindowRect(&pane);
  m_tabs.ScreenToClient(&pane);
  EXPECT_EQ(pane, area);
  EXPECT_FALSE(area.IsRectEmpty());
  EXPECT_STREQ(m_tabs.GetViewTitle(1), "Nouns");
  EXPECT_EQ(m_tabs.GetViewTitle(-1), nullptr);
  EXPECT_EQ(m_tabs.GetView(kPanes), nullptr);
}

TEST_F(TabCtrlTest, DeleteSelectsTheTabBeforeOrTheFirst) {
  struct {
    int deleted;
    int selected;
  } const cases[] = {{0, 0}, {2, 1}};
  for (const auto& c : cases) {
    AddPanes();
    m_tabs.DeleteView(c.deleted, TRUE);
    EXPECT_EQ(m_tabs.GetCurSel(), c.selected) << c.deleted;
    EXPECT_FALSE(::IsWindow(m_panes[c.deleted].m_hWnd));
    EXPECT_EQ(m_tabs.GetTabItemCount(), kPanes - 1);
    EXPECT_TRUE(m_tabs.DeleteAllViews());
    EXPECT_EQ(m_tabs.GetItemCount(), 0);
  }
  // The only tab: no selection left.
  AddPanes();
  m_tabs.DeleteView(2, FALSE);
  m_tabs.DeleteView(1, FALSE);
  m_tabs.DeleteView(0, FALSE);
  EXPECT_EQ(m_tabs.GetCurSel(), -1);
  EXPECT_TRUE(::IsWindow(m_panes[0].m_hWnd));
  EXPECT_FALSE(m_panes[0].IsWindowVisible());
}

TEST_F(TabCtrlTest, F6AndCtrlTabCycleAndWrap) {
  AddPanes();
  PressKey(VK_F6, false, false);
  EXPECT_EQ(m_tabs.GetCurSel(), 0);
  PressKey(VK_F6, true, false);
  EXPECT_EQ(m_tabs.GetCurSel(), 2);
  PressKey(VK_TAB, false, true);
  EXPECT_EQ(m_tabs.GetCurSel(), 0);
  EXPECT_EQ(ShownPane(), 0);
  // Tab without Ctrl is not the control's.
  MSG msg = {m_tabs.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_FALSE(m_tabs.PreTranslateMessage(&msg));
}

TEST_F(TabCtrlTest, LabelsShortenToFitAndComeBack) {
  AddPanes();
  m_tabs.SetWindowPos(nullptr, 0, 0, 120, 200, SWP_NOMOVE | SWP_NOZORDER);
  m_tabs.EnableLabelShortening(TRUE);
  EXPECT_EQ(ShownText(2).substr(ShownText(2).size() - 3), "...");
  EXPECT_STREQ(m_tabs.GetViewTitle(2), "Particles");
  m_tabs.EnableLabelShortening(FALSE);
  for (int i = 0; i < kPanes; ++i) EXPECT_EQ(ShownText(i), m_tabs.GetViewTitle(i));
}

TEST_F(TabCtrlTest, TabViewFollowsTheFrameAndGivesWayWhenHidden) {
  CTabTestView* pDocView = new CTabTestView;
  ASSERT_TRUE(pDocView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_pFrame,
                               AFX_IDW_PANE_FIRST));
  m_pFrame->SetActiveView(pDocView);
  m_tabs.SendMessage(WM_INITIALUPDATE);
  ASSERT_EQ(m_tabs.GetFrame(), m_pFrame);
  ASSERT_TRUE(m_tabs.AddView("First", RUNTIME_CLASS(CTabTestView), nullptr, nullptr, -1, -1));
  ASSERT_TRUE(m_tabs.AddView("Second", RUNTIME_CLASS(CTabTestView), nullptr, nullptr, -1, -1));
  // The user picks the first tab.
  NMHDR nm = {m_tabs.m_hWnd, kTabId, static_cast<UINT>(TCN_SELCHANGING)};
  m_pFrame->SendMessage(WM_NOTIFY, kTabId, reinterpret_cast<LPARAM>(&nm));
  m_tabs.SetCurSel(0);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  m_pFrame->SendMessage(WM_NOTIFY, kTabId, reinterpret_cast<LPARAM>(&nm));
  EXPECT_EQ(static_cast<CWnd*>(m_pFrame->GetActiveView()), m_tabs.GetView(0));
  m_tabs.ShowWindow(SW_HIDE);
  EXPECT_EQ(m_pFrame->GetActiveView(), pDocView);
}

TEST_F(TabCtrlTest, TooltipsFollowTheirTabs) {
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&m_tabs));
  m_tabs.SetToolTips(&tip);
  AddPanes();
  ASSERT_EQ(m_tabs.GetToolTips(), &tip);
  m_tabs.SetTipText(1, "Noun tables");
  m_tabs.SetTabText(2, "Words");
  m_tabs.SetTabText(0, "");
  EXPECT_STREQ(m_tabs.GetTabItem(1).strTip, "Noun tables");
  EXPECT_STREQ(m_tabs.GetViewTitle(2), "Words");
  EXPECT_EQ(ShownText(2), "Words");
  EXPECT_STREQ(m_tabs.GetViewTitle(0), "Verbs");
  // Tool ids follow the positions once a tab is gone.
  m_tabs.DeleteView(0, TRUE);
  for (int i = 0; i < m_tabs.GetTabItemCount(); ++i) EXPECT_EQ(m_tabs.GetTabItem(i).nToolId, i);
  EXPECT_STREQ(m_tabs.GetTabItem(0).strTip, "Noun tables");
  EXPECT_TRUE(m_tabs.EnableToolTips(FALSE));
}

TEST_F(TabCtrlTest, Picture) {
  AddPanes();
  m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  RgbImage image = CaptureWindow(m_tabs.m_hWnd);
  SaveScreenshot(image, "tab_control");
  EXPECT_GT(image.width, 0);
}

TEST_F(TabCtrlTest, FlatLookPaintsItsOwnStrip) {
  AddPanes();
  CKWGlobalData& data = KWGetGlobalData();
  // The last tab is the selected one; the strip goes on beyond it.
  CRect selected;
  m_tabs.GetItemRect(2, &selected);
  RgbImage image;
  auto at = [&](int x, int y) {
    uint32_t rgb = image.PixelAt(x, y);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  };
  data.bOfficeLook = TRUE;
  const bool bPainted = WaitFor([&] {
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    image = CaptureWindow(m_tabs.m_hWnd);
    return at(selected.left + 3, selected.top + 3) == data.clrBtnFace;
  });
  data.bOfficeLook = FALSE;
  SaveScreenshot(image, "tab_control_flat");
  EXPECT_TRUE(bPainted);
  EXPECT_EQ(at(selected.right + 10, selected.top + 3), data.clrFaceBright);
}

}  // namespace kw_tab_ctrl_test
