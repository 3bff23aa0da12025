// Window-procedure hooks on real windows: chains, removal from any place,
// self-removal, the end of a window, and the menu bar's hooks.
#include "toolkit/win/CKWWndHook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CReBar.h"
#include "toolkit/win/CKWMBarWndHook.h"
#include "toolkit/win/CKWMenuBar.h"
#include "toolkit/win/CKWReBar.h"

namespace kw_wnd_hook_test {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kConsumed = WM_APP + 2;

// Who saw the probe messages, in order.
std::vector<std::string> g_seen;
bool g_ownProcSawNcDestroy = false;
bool g_hookedAtNcDestroy = true;

LRESULT CALLBACK OwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe || msg == kConsumed) {
    g_seen.push_back("window");
    return 100;
  }
  if (msg == WM_NCDESTROY) {
    g_ownProcSawNcDestroy = true;
    g_hookedAtNcDestroy =
        KWGetWindowMap().Lookup(hWnd) != nullptr ||
        ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(OwnProc);
  }
  return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

class NamedHook : public CKWWndHook {
 public:
  explicit NamedHook(const char* name, bool consume = false) : m_name(name), m_consume(consume) {}
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == kProbe || msg == kConsumed) {
      g_seen.push_back(m_name);
      if (msg == kConsumed && m_consume) return 7;
    }
    return CKWWndHook::WindowProc(msg, wParam, lParam);
  }

 private:
  std::string m_name;
  bool m_consume;
};

class WndHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZultaHookTestWindow";
    ::RegisterClassA(&wc);
    m_hWnd = ::CreateWindowA("ZultaHookTestWindow", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ASSERT_NE(m_hWnd, nullptr);
    g_seen.clear();
    g_ownProcSawNcDestroy = false;
  }
  void TearDown() override {
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  }
  std::vector<std::string> Probe(UINT msg = kProbe) {
    g_seen.clear();
    m_result = ::SendMessageA(m_hWnd, msg, 0, 0);
    return g_seen;
  }
  WNDPROC CurrentProc() const {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
  }

  HWND m_hWnd = nullptr;
  LRESULT m_result = 0;
};

using Seen = std::vector<std::string>;

TEST_F(WndHookTest, TheNewestHookSeesEachMessageFirst) {
  NamedHook older("older"), newer("newer", true);
  older.HookWindow(m_hWnd);
  newer.HookWindow(m_hWnd);
  EXPECT_EQ(KWGetWindowMap().Lookup(m_hWnd), &newer);
  EXPECT_EQ(newer.m_pNext, &older);
  EXPECT_EQ(newer.m_pOldWndProc, &OwnProc);
  EXPECT_EQ(Probe(), (Seen{"newer", "older", "window"}));
  EXPECT_EQ(m_result, 100);
  EXPECT_EQ(Probe(kConsumed), (Seen{"newer"}));
  EXPECT_EQ(m_result, 7);
}

TEST_F(WndHookTest, AHookLeavesFromAnyPlaceOfTheChain) {
  NamedHook first("first"), middle("middle"), last("last");
  for (NamedHook* hook : {&first, &middle, &last}) hook->HookWindow(m_hWnd);
  EXPECT_EQ(Probe(), (Seen{"last", "middle", "first", "window"}));

  EXPECT_TRUE(middle.HookWindow(static_cast<HWND>(nullptr)));
  EXPECT_FALSE(middle.IsWindowHooked());
  EXPECT_EQ(Probe(), (Seen{"last", "first", "window"}));
  EXPECT_NE(CurrentProc(), &OwnProc) << "the remaining hooks still hold the window";

  first.HookWindow(static_cast<HWND>(nullptr));  // the oldest, while the newest stays
  EXPECT_EQ(Probe(), (Seen{"last", "window"}));
  last.HookWindow(static_cast<HWND>(nullptr));
  EXPECT_EQ(CurrentProc(), &OwnProc) << "the window's own procedure is back";
  EXPECT_EQ(KWGetWindowMap().Lookup(m_hWnd), nullptr);
  EXPECT_EQ(Probe(), (Seen{"window"}));
}

TEST_F(WndHookTest, AHookDestroyedWhileItsWindowLivesUnhooksItself) {
  NamedHook kept("kept");
  kept.HookWindow(m_hWnd);
  {
    NamedHook passing("passing");
    passing.HookWindow(m_hWnd);
    EXPECT_EQ(Probe(), (Seen{"passing", "kept", "window"}));
  }
  EXPECT_EQ(Probe(), (Seen{"kept", "window"}));
  {
    // Hooked again: it leaves its place in the chain first.
    NamedHook moving("moving");
    moving.HookWindow(m_hWnd);
    moving.HookWindow(m_hWnd);
    EXPECT_EQ(Probe(), (Seen{"moving", "kept", "window"}));
  }
  EXPECT_EQ(Probe(), (Seen{"kept", "window"}));
}

TEST_F(WndHookTest, TheWindowsOwnProcedureHandlesItsEndAfterEveryHookIsGone) {
  NamedHook a("a"), b("b");
  a.HookWindow(m_hWnd);
  b.HookWindow(m_hWnd);
  ASSERT_TRUE(::DestroyWindow(m_hWnd));
  EXPECT_TRUE(g_ownProcSawNcDestroy);
  EXPECT_FALSE(g_hookedAtNcDestroy);
  EXPECT_FALSE(a.IsWindowHooked());
  EXPECT_FALSE(b.IsWindowHooked());
  EXPECT_EQ(KWGetWindowMap().Lookup(m_hWnd), nullptr);
}

TEST_F(WndHookTest, MenuBarHooksTakeOverTheMDIMenusWhileTheBarExists) {
  CKWMenuBar bar;
  HWND hBar =
      ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr, nullptr, nullptr);
  ASSERT_TRUE(bar.Attach(hBar));
  bar.m_frameHook.Install(&bar, m_hWnd);
  HMENU hMenu = ::CreateMenu(), hWindowMenu = ::CreatePopupMenu();

  g_seen.clear();
  EXPECT_EQ(::SendMessageA(m_hWnd, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu),
                           reinterpret_cast<LPARAM>(hWindowMenu)),
            0);
  EXPECT_EQ(bar.GetBarMenu(), hMenu);
  EXPECT_EQ(bar.GetWindowMenu(), hWindowMenu);
  EXPECT_EQ(Probe(), (Seen{"window"})) << "other messages pass on";

  for (WPARAM command : {WPARAM(52783), WPARAM(100)}) {
    ::SendMessageA(m_hWnd, WM_COMMAND, command, 0);
    EXPECT_EQ(CKWMenuBar::s_bShowFullMenus, command == 52783 ? 1 : 0);
  }

  ::SendMessageA(m_hWnd, WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(bar.m_bFrameActive);

  // Without the bar's window the hook only passes messages on.
  bar.Detach();
  ::DestroyWindow(hBar);
  bar.SetBarMenu(nullptr, nullptr);
  ::SendMessageA(m_hWnd, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu), 0);
  EXPECT_EQ(bar.GetBarMenu(), nullptr);
  ::DestroyMenu(hMenu);
  ::DestroyMenu(hWindowMenu);
}

TEST(ToolkitRuntimeClasses, BarsAndHooksAreKnownByTheirClasses) {
  CKWMenuBar menuBar;
  CKWReBar reBar;
  EXPECT_TRUE(menuBar.IsKindOf(RUNTIME_CLASS(CKWMenuBar)));
  EXPECT_TRUE(menuBar.IsKindOf(RUNTIME_CLASS(CControlBar)));
  EXPECT_FALSE(menuBar.IsKindOf(RUNTIME_CLASS(CKWReBar)));
  EXPECT_TRUE(reBar.IsKindOf(RUNTIME_CLASS(CKWReBar)));
  EXPECT_FALSE(reBar.IsKindOf(RUNTIME_CLASS(CReBar)));
  EXPECT_TRUE(menuBar.m_frameHook.IsKindOf(RUNTIME_CLASS(CKWWndHook)));
  EXPECT_TRUE(menuBar.m_mdiClientHook.IsKindOf(RUNTIME_CLASS(CKWMBarMDIWndHook)));
  EXPECT_FALSE(menuBar.m_mdiClientHook.IsKindOf(RUNTIME_CLASS(CKWMBarWndHook)));
  EXPECT_STREQ(RUNTIME_CLASS(CKWWindowMap)->m_lpszClassName, "CKWWindowMap");
}

}  // namespace kw_wnd_hook_test
