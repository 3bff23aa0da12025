// A frame loaded from its resources: title, icon, menu and accelerators; the
// layout of its bars and client; prompts on the status line; the end of the
// program when the main frame closes.
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"

namespace {

int g_nFramesDeleted = 0;

// A bar that takes a strip of the given height from the top.
class CStripBar : public CWnd {
 public:
  explicit CStripBar(int nHeight) : m_nHeight(nHeight) {}

 protected:
  afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect rect(pLayout->rect.left, pLayout->rect.top, pLayout->rect.right,
               pLayout->rect.top + m_nHeight);
    pLayout->rect.top += m_nHeight;
    pLayout->sizeTotal.cy += m_nHeight;
    AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
  }
  int m_nHeight;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStripBar, CWnd)
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

class CInitialUpdateCounter : public CWnd {
 public:
  int m_nInitialUpdates = 0;

 protected:
  afx_msg LRESULT OnInitialUpdate(WPARAM, LPARAM) {
    ++m_nInitialUpdates;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInitialUpdateCounter, CWnd)
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
 public:
  ~CTestFrame() override { ++g_nFramesDeleted; }
  std::vector<std::string> m_log;
  BOOL m_bBetaEnabled = TRUE;
  CStripBar m_bar{20};
  CWnd m_pane;
  CWnd m_status;
  CInitialUpdateCounter m_client;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override {
    return m_bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                        AFX_IDW_CONTROLBAR_FIRST + 5) &&
           m_status.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 1, 1), this,
                             AFX_IDW_STATUS_BAR) &&
           m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                         AFX_IDW_PANE_FIRST) &&
           m_client.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 1, 1), &m_pane, 1);
  }
  afx_msg void OnAlpha() { m_log.push_back("alpha"); }
  afx_msg void OnBeta() { m_log.push_back("beta"); }
  afx_msg void OnUpdateBeta(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bBetaEnabled); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
  ON_COMMAND(ID_WNDTEST_ALPHA, OnAlpha)
  ON_COMMAND(ID_WNDTEST_BETA, OnBeta)
  ON_UPDATE_COMMAND_UI(ID_WNDTEST_BETA, OnUpdateBeta)
END_MESSAGE_MAP()

class FrameTest : public AppTest {
 protected:
  void SetUp() override {
    g_nFramesDeleted = 0;
    m_pFrame = new CTestFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_WNDTEST_FRAME));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  CString StatusText() {
    CString text;
    m_pFrame->m_status.GetWindowText(text);
    return text;
  }
  // A key pressed in the frame goes through the application's translation.
  BOOL PressKey(UINT vk) {
    MSG msg = {m_hFrame, WM_KEYDOWN, vk, 1, 0, {0, 0}};
    return m_app.PreTranslateMessage(&msg);
  }
  CTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(FrameTest, TheResourcesGiveTitleIconMenuAndAccelerators) {
  CString title;
  m_pFrame->GetWindowText(title);
  EXPECT_STREQ("Test Frame", title) << "the first line of the string";
  EXPECT_NE(0u, ::GetClassLongPtrA(m_hFrame, GCLP_HICON));
  HMENU hMenu = ::GetMenu(m_hFrame);
  ASSERT_NE(nullptr, hMenu);
  EXPECT_EQ(hMenu, m_pFrame->m_hMenuDefault);
  EXPECT_EQ(static_cast<UINT>(ID_WNDTEST_ALPHA), ::GetMenuItemID(::GetSubMenu(hMenu, 0), 0));
  EXPECT_NE(nullptr, m_pFrame->m_hAccelTable);
  EXPECT_EQ(1, m_pFrame->m_client.m_nInitialUpdates) << "descendants get WM_INITIALUPDATE";
}

TEST_F(FrameTest, AnAcceleratorRunsItsCommandUnlessDisabled) {
  EXPECT_TRUE(PressKey(VK_F5));
  EXPECT_TRUE(PressKey(VK_F6));
  m_pFrame->m_bBetaEnabled = FALSE;
  PressKey(VK_F6);
  EXPECT_FALSE(PressKey('A')) << "no accelerator";
  EXPECT_EQ((std::vector<std::string>{"alpha", "beta"}), m_pFrame->m_log);
}

TEST_F(FrameTest, BarsTakeTheirRoomAndThePaneGetsTheRest) {
  m_pFrame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  CRect client;
  m_pFrame->GetClientRect(&client);
  auto childRect = [&](CWnd& child) {
    CRect rect;
    child.GetWindowRect(&rect);
    m_pFrame->ScreenToClient(&rect);
    return rect;
  };
  EXPECT_EQ(CRect(0, 0, client.right, 20), childRect(m_pFrame->m_bar));
  EXPECT_EQ(CRect(0, 20, client.right, client.bottom), childRect(m_pFrame->m_pane));

  CRect query;
  m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query);
  EXPECT_EQ(CRect(0, 20, client.right, client.bottom), query);
  m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query, nullptr, FALSE);
  EXPECT_EQ(CRect(0, 0, 0, 20), query) << "the bars' total size";
}

TEST_F(FrameTest, TheStatusLineShowsPromptsAndTexts) {
  PumpPending();  // the frame posts itself the idle prompt
  EXPECT_STREQ("Ready", StatusText());
  m_pFrame->SetMessageText("hello");
  EXPECT_STREQ("hello", StatusText());
  m_pFrame->SetMessageText(ID_WNDTEST_ALPHA);
  EXPECT_STREQ("Runs alpha", StatusText()) << "the prompt is the string's first line";

  m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_WNDTEST_BETA, MF_STRING), 0);
  EXPECT_STREQ("Runs beta", StatusText());
  m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the menu closed
  EXPECT_STREQ("Ready", StatusText());

  m_pFrame->m_nFlags |= WF_NOPOPMSG;
  m_pFrame->SendMessage(WM_POPMESSAGESTRING, ID_WNDTEST_ALPHA);
  EXPECT_STREQ("Ready", StatusText());
  m_pFrame->m_nFlags &= ~WF_NOPOPMSG;
  m_pFrame->SendMessage(WM_POPMESSAGESTRING, ID_WNDTEST_ALPHA);
  EXPECT_STREQ("Runs alpha", StatusText());
}

TEST_F(FrameTest, ClosingTheMainFrameEndsTheProgram) {
  PumpPending();
  m_pFrame->SendMessage(WM_CLOSE);
  EXPECT_FALSE(::IsWindow(m_hFrame));
  EXPECT_EQ(1, g_nFramesDeleted);
  EXPECT_EQ(nullptr, m_app.m_pMainWnd);
  EXPECT_TRUE(PumpPending()) << "WM_QUIT was posted";
}

TEST_F(FrameTest, TheExitCommandClosesTheMainFrame) {
  m_pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
  EXPECT_FALSE(::IsWindow(m_hFrame));
  EXPECT_TRUE(PumpPending());
}

}  // namespace
