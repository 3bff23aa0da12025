// The navigating one-line field on the screen: a digits-only field keeps
// "12" of what is typed, Enter sends its command and Escape Cancel to its
// window, and Tab and the arrow keys move to the neighbouring fields.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/HandleMap.h"
#include "editor/core/NavEditRules.h"
#include "editor/win/CNavEdit.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

namespace nav_edit {

constexpr UINT kEnterCommand = 769;
constexpr int kFirstId = 101;
constexpr int kNavId = 102;
constexpr int kLastId = 103;
const char kHostClass[] = "ZultaNavEditHost";

std::vector<UINT> g_commands;

LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam == 0) g_commands.push_back(LOWORD(wParam));
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

class CNavEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    m_hHost = ::CreateWindowExA(0, kHostClass, "Nav Edit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                40, 300, 160, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(m_hHost, nullptr);
    for (int id : {kFirstId, kNavId, kLastId})
      ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10,
                        10 + (id - kFirstId) * 30, 200, 24, m_hHost,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, nullptr);
    ASSERT_TRUE(m_edit.SubclassDlgItem(kNavId, CWnd::FromHandle(m_hHost), kEnterCommand,
                                       kNavEditDigits));
    ::SetForegroundWindow(m_hHost);
    FocusNav();
    g_commands.clear();
  }
  void TearDown() override {
    m_edit.UnsubclassWindow();
    ::DestroyWindow(m_hHost);
    CHandleMapBase::DeleteAllTemp();
  }
  void FocusNav() {
    ::SetFocus(m_edit.m_hWnd);
    WaitFor([&] { return ::GetFocus() == m_edit.m_hWnd; });
  }
  std::string Text() {
    char text[32] = "";
    ::GetWindowTextA(m_edit.m_hWnd, text, sizeof text);
    return text;
  }
  HWND Item(int id) { return ::GetDlgItem(m_hHost, id); }

  HWND m_hHost = nullptr;
  CNavEdit m_edit;
};

TEST_F(CNavEditTest, ADigitsFieldKeepsOnlyDigitsAndItsKeysActOnItsWindow) {
  SendText("1a 2.");
  SendKey(VK_BACK);
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([] { return !g_commands.empty(); }));
  EXPECT_EQ(Text(), "12") << "letters, blanks, punctuation and Backspace are dropped";
  EXPECT_EQ(g_commands, std::vector<UINT>{kEnterCommand});

  SendKey(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([] { return g_commands.size() == 2; }));
  EXPECT_EQ(g_commands[1], static_cast<UINT>(IDCANCEL));

  SendKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == Item(kLastId); }));
  FocusNav();
  SendChord(VK_SHIFT, VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == Item(kFirstId); }));
  FocusNav();
  SendKey(VK_DOWN);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == Item(kLastId); }));
  FocusNav();
  SendKey(VK_UP);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == Item(kFirstId); }));
}

}  // namespace nav_edit
