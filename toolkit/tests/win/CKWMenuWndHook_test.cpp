// The popup-menu windows' hooks: made by the CBT hook for "#32768" windows
// only, one per window of nested popups and gone with it, and the system's
// menu settings changed for the session only while any exist.
#include "toolkit/win/CKWMenuWndHook.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CMenu.h"
#include "testing/win/WaitFor.h"
#include "toolkit/tests/win/KWCoolMenuTestIds.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWGlobalData.h"

namespace kw_menu_wnd_hook_test {

using namespace kwtest;

BOOL GetSetting(UINT action) {
  BOOL bValue = FALSE;
  ::SystemParametersInfoA(action, 0, &bValue, 0);
  return bValue;
}
void SetSetting(UINT action, BOOL bValue) {
  ::SystemParametersInfoA(action, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(bValue)), 0);
}

class MenuWndHookTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(KWIsMenuCbtHookInstalled());
    m_bAnimation = GetSetting(SPI_GETMENUANIMATION);
    m_bShadow = GetSetting(SPI_GETDROPSHADOW);
    // Values the hooks must change, so that their restoring shows.
    SetSetting(SPI_SETMENUANIMATION, TRUE);
    SetSetting(SPI_SETDROPSHADOW, FALSE);
    ASSERT_TRUE(CreateShownParent(m_owner, "Menu owner", 200, 100));
    ASSERT_TRUE(m_menu.LoadMenu(IDR_KWTEST_COOLMENU));
  }
  void TearDown() override {
    m_owner.DestroyWindow();
    SetSetting(SPI_SETMENUANIMATION, m_bAnimation);
    SetSetting(SPI_SETDROPSHADOW, m_bShadow);
    AppTest::TearDown();
  }
  void ExpectSettingsRestored() {
    EXPECT_EQ(KWLiveMenuWndHookCount(), 0);
    EXPECT_TRUE(KWGetMenuWndHooks().IsEmpty());
    EXPECT_EQ(GetSetting(SPI_GETMENUANIMATION), TRUE);
    EXPECT_EQ(GetSetting(SPI_GETDROPSHADOW), FALSE);
  }

  CWnd m_owner;
  CMenu m_menu;
  BOOL m_bAnimation = FALSE;
  BOOL m_bShadow = FALSE;
};

TEST_F(MenuWndHookTest, OnlyPopupMenuWindowsAreHookedAndTheirEndRestoresTheSettings) {
  CWnd other;
  ASSERT_TRUE(CreateTopLevel(other));
  EXPECT_TRUE(KWGetMenuWndHooks().IsEmpty());
  other.DestroyWindow();
  EXPECT_EQ(KWLiveMenuWndHookCount(), 0);

  // A popup-menu window that no menu loop owns: its end must still restore.
  HWND hMenuWnd = ::CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  ASSERT_NE(hMenuWnd, nullptr);
  ASSERT_EQ(KWGetMenuWndHooks().GetCount(), 1);
  EXPECT_EQ(KWNewestMenuWndHook()->m_hWnd, hMenuWnd);
  EXPECT_EQ(GetSetting(SPI_GETMENUANIMATION), FALSE);
  // Wine draws menu shadows itself, so the system's setting follows the toolkit's.
  EXPECT_EQ(GetSetting(SPI_GETDROPSHADOW), KWGetGlobalData().bMenuShadows);
  ::DestroyWindow(hMenuWnd);
  ExpectSettingsRestored();
}

TEST_F(MenuWndHookTest, AWindowEndTheCBTHookMissesStillRestoresTheSettings) {
  HWND hMenuWnd = ::CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  ASSERT_EQ(KWLiveMenuWndHookCount(), 1);
  KWRemoveMenuCbtHook();
  ::DestroyWindow(hMenuWnd);
  KWInstallMenuCbtHook();
  ExpectSettingsRestored();
}

TEST_F(MenuWndHookTest, AnnouncedMenusReachTheirWindows) {
  HMENU hPopup = m_menu.GetSubMenu(0)->GetSafeHmenu();
  // Announced first: the next window takes it.
  KWAnnounceMenu(hPopup);
  HWND hFirst = ::CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
  EXPECT_EQ(KWNewestMenuWndHook()->m_hMenu, hPopup);
  // Window first: the announcement goes to the waiting window.
  HWND hSecond = ::CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
  EXPECT_EQ(KWNewestMenuWndHook()->m_hMenu, nullptr);
  KWAnnounceMenu(hPopup);
  EXPECT_EQ(KWNewestMenuWndHook()->m_hMenu, hPopup);
  EXPECT_EQ(KWLiveMenuWndHookCount(), 2);
  ::DestroyWindow(hFirst);
  EXPECT_EQ(KWLiveMenuWndHookCount(), 1);
  EXPECT_EQ(KWNewestMenuWndHook()->m_hWnd, hSecond);
  EXPECT_EQ(GetSetting(SPI_GETMENUANIMATION), FALSE);  // not yet: one window is left
  ::DestroyWindow(hSecond);
  ExpectSettingsRestored();
}

TEST_F(MenuWndHookTest, TheFlatLookTakesTheFrameOffAPopupGivenItsMenu) {
  for (BOOL bFlat : {FALSE, TRUE}) {
    KWGetGlobalData().bOfficeLook = bFlat;
    HWND hMenuWnd = ::CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, "#32768", "",
                                      WS_POPUP | WS_THICKFRAME, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(hMenuWnd, nullptr);
    KWAnnounceMenu(m_menu.GetSubMenu(0)->GetSafeHmenu());
    LONG_PTR style = ::GetWindowLongPtrA(hMenuWnd, GWL_STYLE);
    LONG_PTR exStyle = ::GetWindowLongPtrA(hMenuWnd, GWL_EXSTYLE);
    EXPECT_EQ((style & WS_THICKFRAME) != 0, !bFlat);
    EXPECT_EQ((exStyle & WS_EX_DLGMODALFRAME) != 0, !bFlat);
    ::DestroyWindow(hMenuWnd);
  }
  KWGetGlobalData().bOfficeLook = FALSE;
  ExpectSettingsRestored();
}

// Drives the nested popups with real keys and notes the hooks at each step.
struct NestedRun {
  int step = 0;
  std::vector<int> counts;
  HWND hOuter = nullptr;
  bool innerFirstGone = false;
};
NestedRun g_run;

void SendKey(WORD vk) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = vk;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

void CALLBACK DriveNested(HWND, UINT, UINT_PTR nTimer, DWORD) {
  CPtrList& hooks = KWGetMenuWndHooks();
  int visible = 0;
  for (POSITION pos = hooks.GetHeadPosition(); pos != nullptr;)
    visible += ::IsWindowVisible(static_cast<CKWMenuWndHook*>(hooks.GetNext(pos))->m_hWnd);
  switch (g_run.step) {
    case 0:  // the outer popup is up: open "More"
      if (visible != 1) return;
      g_run.counts.push_back(hooks.GetCount());
      g_run.hOuter = KWNewestMenuWndHook()->m_hWnd;
      SendKey('O');
      break;
    case 1:  // both up: close the inner one
      if (visible != 2) return;
      g_run.counts.push_back(hooks.GetCount());
      SendKey(VK_ESCAPE);
      break;
    case 2:  // the inner one gone with its hook only
      if (hooks.GetCount() != 1) return;
      g_run.counts.push_back(hooks.GetCount());
      g_run.innerFirstGone = KWNewestMenuWndHook()->m_hWnd == g_run.hOuter;
      SendKey(VK_ESCAPE);
      ::KillTimer(nullptr, nTimer);
      break;
    default:
      return;
  }
  ++g_run.step;
}

TEST_F(MenuWndHookTest, NestedPopupsHaveAHookEachRemovedInnerFirst) {
  g_run = NestedRun();
  m_owner.SetForegroundWindow();
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, DriveNested);
  ::TrackPopupMenuEx(m_menu.GetSubMenu(0)->GetSafeHmenu(), TPM_RETURNCMD, 60, 60, m_owner.m_hWnd,
                     nullptr);
  EXPECT_EQ(g_run.step, 3);
  EXPECT_EQ(g_run.counts, (std::vector<int>{1, 2, 1}));
  EXPECT_TRUE(g_run.innerFirstGone);
  ASSERT_TRUE(WaitFor([] { return KWGetMenuWndHooks().IsEmpty(); }));
  ExpectSettingsRestored();
}

// Which messages the system's menu loop passes to a popup-menu window.
std::set<UINT> g_seen;

class RecordingHook : public CKWWndHook {
 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    g_seen.insert(msg);
    return CKWWndHook::WindowProc(msg, wParam, lParam);
  }
};
RecordingHook* g_pRecorder = nullptr;

// Hooks the open popup, asks it to repaint, and clicks its first item once
// the paint came (or the wait has run out without it).
DWORD g_dwPaintDeadline = 0;

void CALLBACK ClickFirstItem(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hMenu = OpenMenuWindow();
  if (hMenu == nullptr) return;
  if (g_pRecorder == nullptr) {
    g_pRecorder = new RecordingHook;
    g_pRecorder->HookWindow(hMenu);
    ::InvalidateRect(hMenu, nullptr, TRUE);
    return;
  }
  if (g_seen.count(WM_PAINT) == 0 &&
      static_cast<LONG>(::GetTickCount() - g_dwPaintDeadline) < 0)
    return;
  ::KillTimer(nullptr, nTimer);
  RECT window = {};
  ::GetWindowRect(hMenu, &window);
  Click({window.left + 30, window.top + 8});
}

TEST_F(MenuWndHookTest, WhatTheMenuLoopPassesToThePopupWindow) {
  g_seen.clear();
  g_dwPaintDeadline = ::GetTickCount() + kWaitTimeoutMs;
  m_owner.SetForegroundWindow();
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ClickFirstItem);
  UINT nCmd = ::TrackPopupMenuEx(m_menu.GetSubMenu(0)->GetSafeHmenu(), TPM_RETURNCMD, 60, 60,
                                 m_owner.m_hWnd, nullptr);
  delete g_pRecorder;  // its window is gone; it left the chain then
  g_pRecorder = nullptr;
  EXPECT_EQ(nCmd, static_cast<UINT>(ID_KWTEST_RED));
  bool click = g_seen.count(WM_LBUTTONDOWN) || g_seen.count(WM_LBUTTONUP);
  bool internalClick = false;
  for (UINT msg = 0x01EB; msg <= 0x01F0; ++msg) internalClick = internalClick || g_seen.count(msg);
  std::cout << "popup window saw: clicks " << click << ", internal click messages "
            << internalClick << ", WM_PAINT " << g_seen.count(WM_PAINT) << ", 0x01E2 "
            << g_seen.count(0x01E2) << ", WM_WINDOWPOSCHANGED "
            << g_seen.count(WM_WINDOWPOSCHANGED) << std::endl;
  EXPECT_EQ(g_seen.count(WM_PAINT), 1u);
  // Wine's menu loop takes the mouse itself and has no internal click
  // messages: a click on the chevron never reaches the popup window's hook.
  EXPECT_FALSE(click);
  EXPECT_FALSE(internalClick);
}

}  // namespace kw_menu_wnd_hook_test
