// Tracking a popup menu through the toolkit: the chosen command comes back,
// reaches the owner only when asked, and an owner that is gone gets no menu.
#include "toolkit/win/CKWPopupMenu.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/WndTestSupport.h"
#include "testing/win/WaitFor.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/KWMenuGlobals.h"

namespace kw_popup_menu_test {

using namespace kwtest;

// Chooses the first item of the menu by its mnemonic once it shows, with a real key.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR nTimer, DWORD) {
  if (OpenMenuWindow() == nullptr) return;
  ::KillTimer(nullptr, nTimer);
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = 'F';
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

class PopupMenuTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateShownParent(m_owner, "Popup owner", 200, 100));
    m_owner.SetForegroundWindow();
  }
  void TearDown() override {
    if (m_owner.m_hWnd != nullptr) m_owner.DestroyWindow();
    AppTest::TearDown();
  }
  // Tracks the test menu's popup, choosing its first item.
  UINT TrackAndChoose(BOOL bNotify) {
    CKWPopupMenu menu;
    EXPECT_TRUE(menu.LoadMenu(IDR_KWTEST_DROPMENU));
    CMenu* pSub = menu.GetSubMenu(0);
    EXPECT_NE(pSub, nullptr);
    if (pSub == nullptr) return 0;
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ChooseFirstItem);
    return CKWPopupMenu::TrackMenu(pSub->GetSafeHmenu(), TPM_LEFTALIGN, 60, 60, &m_owner, bNotify);
  }
  // Whether a WM_COMMAND for nID waits in the owner's queue (taken off it).
  bool CommandQueued(UINT nID) {
    MSG msg;
    bool bFound = false;
    while (::PeekMessageA(&msg, m_owner.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
      bFound = bFound || LOWORD(msg.wParam) == nID;
    return bFound;
  }

  CWnd m_owner;
};

TEST_F(PopupMenuTest, TheChosenCommandReachesTheOwnerOnlyWhenAsked) {
  EXPECT_EQ(TrackAndChoose(FALSE), static_cast<UINT>(ID_KWTEST_MENU_FIRST));
  EXPECT_FALSE(CommandQueued(ID_KWTEST_MENU_FIRST));
  EXPECT_EQ(TrackAndChoose(TRUE), static_cast<UINT>(ID_KWTEST_MENU_FIRST));
  EXPECT_TRUE(CommandQueued(ID_KWTEST_MENU_FIRST));
}

TEST_F(PopupMenuTest, TheTrackingFlagLivesWithThePopupMenu) {
  EXPECT_EQ(g_bKWPopupTracking, 0);
  {
    CKWPopupMenu menu;
    EXPECT_EQ(g_bKWPopupTracking, 1);
  }
  EXPECT_EQ(g_bKWPopupTracking, 0);
}

TEST_F(PopupMenuTest, AnOwnerThatIsGoneGetsNoMenu) {
  CKWPopupMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_KWTEST_DROPMENU));
  HMENU hSub = menu.GetSubMenu(0)->GetSafeHmenu();
  CWnd gone;
  ASSERT_TRUE(CreateTopLevel(gone));
  HWND hGone = gone.m_hWnd;
  gone.DestroyWindow();
  ASSERT_FALSE(::IsWindow(hGone));
  gone.m_hWnd = hGone;
  EXPECT_EQ(CKWPopupMenu::TrackMenu(hSub, TPM_LEFTALIGN, 60, 60, &gone, TRUE), 0u);
  gone.m_hWnd = nullptr;
  EXPECT_EQ(OpenMenuWindow(), nullptr);
}

TEST_F(PopupMenuTest, NothingToCloseWhenNoMenuIsOpen) { EXPECT_EQ(KWCloseOpenPopupMenus(), 0); }

}  // namespace kw_popup_menu_test
