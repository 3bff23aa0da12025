// Tooltips follow the tool under the mouse; colour and setting changes reach
// the descendants of a top-level window.
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxState.h"

namespace {

constexpr int kToolId = 12;

class CChangeCounter : public CWnd {
 public:
  int m_nColorChanges = 0;
  int m_nSettingChanges = 0;

 protected:
  afx_msg void OnSysColorChange() {
    ++m_nColorChanges;
    CWnd::OnSysColorChange();
  }
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
    ++m_nSettingChanges;
    CWnd::OnSettingChange(uFlags, lpszSection);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChangeCounter, CWnd)
  ON_WM_SYSCOLORCHANGE()
  ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

class ChildrenTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateTopLevel(m_top));
    ASSERT_TRUE(m_child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(20, 20, 80, 60),
                               &m_top, kToolId));
    ASSERT_TRUE(m_grandChild.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 5, 5), &m_child, 1));
  }
  void TearDown() override {
    m_top.DestroyWindow();
    AppTest::TearDown();
  }
  CChangeCounter m_top;
  CChangeCounter m_child;
  CChangeCounter m_grandChild;
};

TEST_F(ChildrenTest, ChangesReachEveryDescendantOnce) {
  m_top.SendMessage(WM_SYSCOLORCHANGE);
  m_top.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  for (CChangeCounter* pWnd : {&m_top, &m_child, &m_grandChild}) {
    EXPECT_EQ(1, pWnd->m_nColorChanges);
    EXPECT_EQ(1, pWnd->m_nSettingChanges);
  }
}

TEST_F(ChildrenTest, TheToolUnderTheMouseIsTheChildWindow) {
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  EXPECT_EQ(kToolId, m_top.OnToolHitTest(CPoint(30, 30), &ti));
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(m_child.m_hWnd), ti.uId);
  EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
  EXPECT_EQ(-1, m_top.OnToolHitTest(CPoint(150, 100), &ti));
}

TEST_F(ChildrenTest, MovingOverAToolRegistersItWithTheTooltip) {
  ASSERT_TRUE(m_top.EnableToolTips());
  HWND hTip = AfxGetThreadState()->m_hWndToolTip;
  ASSERT_NE(nullptr, hTip);
  auto moveTo = [&](int x, int y) {
    POINT screen = {x, y};
    m_top.ClientToScreen(&screen);
    MSG msg = {m_top.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, screen};
    m_top.PreTranslateMessage(&msg);
  };
  moveTo(30, 30);
  EXPECT_EQ(1, ::SendMessageA(hTip, TTM_GETTOOLCOUNT, 0, 0));
  moveTo(150, 100);
  EXPECT_EQ(0, ::SendMessageA(hTip, TTM_GETTOOLCOUNT, 0, 0));
  moveTo(30, 30);
  m_top.EnableToolTips(FALSE);
  EXPECT_EQ(0, ::SendMessageA(hTip, TTM_GETTOOLCOUNT, 0, 0));
}

}  // namespace
