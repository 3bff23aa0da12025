// Commands go from the frame to the application, stopping at the first
// handler; update handlers decide what menus show and whether a command runs.
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMenu.h"

namespace {

enum : UINT {
  ID_BOTH = 1001,  // frame and application: the frame takes it
  ID_APP_ONLY = 1002,
  ID_DECLINED = 1003,  // the frame's handler passes it on
  ID_DISABLED = 1004,  // the application's update handler disables it
  ID_NO_HANDLER = 1005,
  ID_RENAMED = 1006,  // checked and renamed by its update handler
  ID_RANGE_FIRST = 1010,
  ID_RANGE_LAST = 1019,
};

std::vector<std::string> g_log;

class CRoutingApp : public CWinApp {
 public:
  CRoutingApp() : CWinApp("Zulta Tests") {}

 protected:
  afx_msg void OnBoth() { g_log.push_back("app both"); }
  afx_msg void OnAppOnly() { g_log.push_back("app only"); }
  afx_msg void OnDeclined() { g_log.push_back("app declined"); }
  afx_msg void OnDisabled() { g_log.push_back("app disabled"); }
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
  ON_COMMAND(ID_BOTH, OnBoth)
  ON_COMMAND(ID_APP_ONLY, OnAppOnly)
  ON_COMMAND(ID_DECLINED, OnDeclined)
  ON_COMMAND(ID_DISABLED, OnDisabled)
  ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

class CRoutingFrame : public CFrameWnd {
 protected:
  afx_msg void OnBoth() { g_log.push_back("frame both"); }
  afx_msg BOOL OnDeclined(UINT nID) {
    g_log.push_back("frame declined " + std::to_string(nID));
    return FALSE;
  }
  afx_msg void OnRange(UINT nID) { g_log.push_back("frame range " + std::to_string(nID)); }
  // Leaves the update to the application.
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) {
    g_log.push_back("frame update");
    pCmdUI->ContinueRouting();
  }
  afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(1);
    pCmdUI->SetText("Renamed");
  }
  afx_msg void OnRenamed() {}
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingFrame, CFrameWnd)
  ON_COMMAND(ID_BOTH, OnBoth)
  ON_COMMAND_EX(ID_DECLINED, OnDeclined)
  ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
  ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
  ON_UPDATE_COMMAND_UI(ID_RENAMED, OnUpdateRenamed)
  ON_COMMAND(ID_RENAMED, OnRenamed)
END_MESSAGE_MAP()

class CommandRoutingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    m_pFrame = new CRoutingFrame;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Routing"));
    m_hFrame = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    ::DestroyWindow(m_hFrame);
    PumpPending();
  }
  // As a menu or an accelerator sends it.
  void MenuCommand(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); }

  CRoutingApp m_app;
  CRoutingFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(CommandRoutingTest, TheFrameComesBeforeTheApplication) {
  MenuCommand(ID_BOTH);
  MenuCommand(ID_APP_ONLY);
  EXPECT_EQ((std::vector<std::string>{"frame both", "app only"}), g_log);
}

TEST_F(CommandRoutingTest, AHandlerThatDeclinesPassesTheCommandOn) {
  MenuCommand(ID_DECLINED);
  EXPECT_EQ((std::vector<std::string>{"frame declined 1003", "app declined"}), g_log);
}

TEST_F(CommandRoutingTest, ARangeHandlerGetsTheCommandsId) {
  MenuCommand(ID_RANGE_FIRST + 4);
  MenuCommand(ID_RANGE_LAST + 1);  // beyond the range: nobody
  EXPECT_EQ(std::vector<std::string>{"frame range 1014"}, g_log);
}

TEST_F(CommandRoutingTest, ADisabledCommandDoesNotRun) {
  MenuCommand(ID_DISABLED);
  // The frame's update handler passed the update on to the application's,
  // which disabled the command.
  EXPECT_EQ(std::vector<std::string>{"frame update"}, g_log);
}

TEST_F(CommandRoutingTest, OnCmdMsgFindsHandlersWithoutCallingThem) {
  AFX_CMDHANDLERINFO info = {};
  EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_APP_ONLY, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(static_cast<CCmdTarget*>(&m_app), info.pTarget);
  EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_BOTH, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(static_cast<CCmdTarget*>(m_pFrame), info.pTarget);
  EXPECT_FALSE(m_pFrame->OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, nullptr, &info));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(CommandRoutingTest, ADerivedCmdUIIsUpdatedAndDisabledWithoutHandler) {
  struct Case {
    UINT nID;
    BOOL bDisableIfNoHndler;
    BOOL bUpdated;
    int enabled;
  } const cases[] = {
      {ID_DISABLED, TRUE, TRUE, FALSE},     // the application's update handler
      {ID_APP_ONLY, TRUE, FALSE, TRUE},     // no update handler, but a command handler
      {ID_NO_HANDLER, TRUE, FALSE, FALSE},  // nothing at all
      {ID_NO_HANDLER, FALSE, FALSE, -1},    // ... left alone when asked to
  };
  for (const Case& c : cases) {
    CRecordingCmdUI state;
    state.m_nID = c.nID;
    EXPECT_EQ(c.bUpdated, state.DoUpdate(m_pFrame, c.bDisableIfNoHndler)) << c.nID;
    EXPECT_EQ(c.enabled, state.m_enabled) << c.nID;
  }
}

class MenuUpdateTest : public CommandRoutingTest {
 protected:
  void SetUp() override {
    CommandRoutingTest::SetUp();
    m_hPopup = ::CreatePopupMenu();
    ::AppendMenuA(m_hPopup, MF_STRING, ID_BOTH, "Both");
    ::AppendMenuA(m_hPopup, MF_STRING, ID_NO_HANDLER, "None");
    ::AppendMenuA(m_hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(m_hPopup, MF_STRING, ID_RENAMED, "Old name");
    ::AppendMenuA(m_hPopup, MF_STRING, ID_DISABLED, "Disabled");
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_NO_HANDLER, "Inner");
    ::AppendMenuA(m_hPopup, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "Sub");
  }
  void TearDown() override {
    ::DestroyMenu(m_hPopup);
    CommandRoutingTest::TearDown();
  }
  bool Grayed(UINT nPos) {
    return (::GetMenuState(m_hPopup, nPos, MF_BYPOSITION) & MF_GRAYED) != 0;
  }
  HMENU m_hPopup = nullptr;
};

TEST_F(MenuUpdateTest, OpeningAPopupUpdatesItsItems) {
  m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hPopup), 0);
  EXPECT_FALSE(Grayed(0));
  EXPECT_TRUE(Grayed(1)) << "no handler anywhere";
  EXPECT_FALSE(Grayed(3));
  EXPECT_TRUE(Grayed(4)) << "disabled by the application";
  EXPECT_FALSE(Grayed(5)) << "a popup is never greyed through its first item";
  EXPECT_TRUE(::GetMenuState(m_hPopup, 3, MF_BYPOSITION) & MF_CHECKED);
  char text[32] = {};
  ::GetMenuStringA(m_hPopup, 3, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ("Renamed", text);
  EXPECT_EQ(static_cast<UINT>(ID_RENAMED), ::GetMenuItemID(m_hPopup, 3));
}

TEST_F(MenuUpdateTest, WithoutAutoEnablingItemsWithoutHandlersStay) {
  m_pFrame->m_bAutoMenuEnable = FALSE;
  m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hPopup), 0);
  EXPECT_FALSE(Grayed(1));
  EXPECT_TRUE(Grayed(4));
}

TEST_F(MenuUpdateTest, TheSystemMenuIsLeftAlone) {
  m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hPopup), MAKELPARAM(0, TRUE));
  EXPECT_FALSE(Grayed(1));
}

}  // namespace
