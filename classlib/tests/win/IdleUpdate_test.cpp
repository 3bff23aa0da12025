// Idle time: the main window and its bars show the state of their commands,
// the frame catches up with its title, temporary objects are deleted, and the
// message loop ends with WM_QUIT.
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"

namespace {

constexpr UINT ID_TOGGLED = 2001;

class CIdleFrame : public CFrameWnd {
 public:
  BOOL m_bEnableToggled = TRUE;

 protected:
  afx_msg void OnUpdateToggled(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableToggled); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleFrame, CFrameWnd)
  ON_UPDATE_COMMAND_UI(ID_TOGGLED, OnUpdateToggled)
END_MESSAGE_MAP()

// A bar-like child that shows one command's state, as toolbars do at idle time.
class CIdleBar : public CWnd {
 public:
  CRecordingCmdUI m_item;
  int m_nUpdates = 0;

 protected:
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    ++m_nUpdates;
    m_item.m_nID = ID_TOGGLED;
    m_item.DoUpdate(GetParentFrame(), static_cast<BOOL>(wParam));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleBar, CWnd)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class IdleTest : public AppTest {
 protected:
  void SetUp() override {
    m_pFrame = new CIdleFrame;
    // A popup: without a window manager Wine is slow to show captioned windows.
    ASSERT_TRUE(
        m_pFrame->Create(nullptr, "Idle", WS_POPUP | FWS_ADDTOTITLE, CRect(0, 0, 300, 200)));
    m_hFrame = m_pFrame->m_hWnd;
    ASSERT_TRUE(
        m_bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 20), m_pFrame, 1));
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_app.m_pMainWnd = m_pFrame;
  }
  void TearDown() override {
    m_bar.DestroyWindow();
    ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  CIdleFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  CIdleBar m_bar;
};

TEST_F(IdleTest, TheFirstIdleCallUpdatesTheBarsOfTheMainWindow) {
  EXPECT_TRUE(m_app.OnIdle(0)) << "more idle work to do";
  EXPECT_EQ(1, m_bar.m_nUpdates);
  EXPECT_EQ(TRUE, m_bar.m_item.m_enabled);

  m_pFrame->m_bEnableToggled = FALSE;
  m_app.OnIdle(0);
  EXPECT_EQ(FALSE, m_bar.m_item.m_enabled);
  EXPECT_FALSE(m_app.OnIdle(1)) << "nothing more after the clean-up";
  EXPECT_EQ(2, m_bar.m_nUpdates);
}

TEST_F(IdleTest, AHiddenMainWindowIsNotUpdated) {
  m_pFrame->ShowWindow(SW_HIDE);
  m_app.OnIdle(0);
  EXPECT_EQ(0, m_bar.m_nUpdates);
}

TEST_F(IdleTest, TheFrameTitleIsUpdatedAtIdleTime) {
  m_pFrame->SetTitle("Later title");
  m_pFrame->DelayUpdateFrameTitle();
  CString title;
  m_pFrame->GetWindowText(title);
  EXPECT_STREQ("Idle", title);
  m_app.OnIdle(0);
  m_pFrame->GetWindowText(title);
  EXPECT_STREQ("Later title", title);
  // With a document's name, in front of the application's.
  m_pFrame->UpdateFrameTitleForDocument("Doc1");
  m_pFrame->GetWindowText(title);
  EXPECT_STREQ("Doc1 - Later title", title);
}

TEST_F(IdleTest, TemporaryWindowObjectsGoAtIdleTime) {
  HWND hPlain = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
  ASSERT_NE(nullptr, hPlain);
  CWnd* pTemp = CWnd::FromHandle(hPlain);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain)) << "the same object until idle time";
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
  pTemp->m_nFlags = 0x4000;  // marks this object
  m_app.OnIdle(0);
  m_app.OnIdle(1);
  CWnd* pFresh = CWnd::FromHandle(hPlain);
  EXPECT_EQ(0u, pFresh->m_nFlags) << "a new object after idle time";
  EXPECT_EQ(hPlain, pFresh->m_hWnd);
  // A permanent object is found whatever the time.
  EXPECT_EQ(m_pFrame, CWnd::FromHandle(m_hFrame));
  ::DestroyWindow(hPlain);
}

class CCountingApp : public CWinApp {
 public:
  CCountingApp() : CWinApp("Zulta Tests") {}
  BOOL OnIdle(LONG lCount) override {
    m_counts.push_back(lCount);
    if (lCount == 0) ::PostQuitMessage(7);
    return CWinApp::OnIdle(lCount);
  }
  int ExitInstance() override {
    m_bExited = TRUE;
    return CWinApp::ExitInstance();
  }
  std::vector<LONG> m_counts;
  BOOL m_bExited = FALSE;
};

TEST(MessageLoopTest, RunGoesIdleAndEndsWithTheQuitCode) {
  PumpPending();
  CCountingApp app;
  EXPECT_EQ(7, app.Run());
  EXPECT_TRUE(app.m_bExited);
  ASSERT_FALSE(app.m_counts.empty());
  EXPECT_EQ(0, app.m_counts.front());
}

}  // namespace
