// The OS record, the desktop area, the one-message pump, the main window's
// class and files sent to the recycle bin.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "classlib/win/CWinApp.h"
#include "hebtext/win/FileUtilities.h"
#include "hebtext/win/SystemInfo.h"

namespace {

TEST(GetOSDescription, FillsTheExtendedRecord) {
  ASSERT_TRUE(GetOSDescription());
  EXPECT_EQ(g_osVersion.dwOSVersionInfoSize, sizeof(OSVERSIONINFOEXA));
  EXPECT_EQ(g_osVersion.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  EXPECT_GE(g_osVersion.dwMajorVersion, 5u);
}

TEST(GetDesktopWorkRect, IsTheVirtualScreenOnCurrentSystems) {
  ASSERT_TRUE(GetOSDescription());
  int left = 1, top = 1, width = 0, height = 0;
  GetDesktopWorkRect(left, top, width, height);
  EXPECT_EQ(left, ::GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(top, ::GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_EQ(width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(height, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
  // An older system has only its primary screen.
  OSVERSIONINFOEXA saved = g_osVersion;
  g_osVersion.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
  g_osVersion.dwMajorVersion = 4;
  g_osVersion.dwMinorVersion = 0;
  GetDesktopWorkRect(left, top, width, height);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(width, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, ::GetSystemMetrics(SM_CYSCREEN));
  g_osVersion = saved;
}

int g_received = 0;
LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 7) ++g_received;
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(PumpOneMessage, HandlesOneMessageAndLeavesTheQuitForTheMainLoop) {
  WNDCLASSA wndClass = {};
  wndClass.lpfnWndProc = CountingProc;
  wndClass.hInstance = ::GetModuleHandleA(nullptr);
  wndClass.lpszClassName = "PumpTestWindow";
  ::RegisterClassA(&wndClass);
  HWND hWnd = ::CreateWindowA("PumpTestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              wndClass.hInstance, nullptr);
  ASSERT_NE(hWnd, nullptr);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  g_received = 0;
  ::PostMessageA(hWnd, WM_USER + 7, 0, 0);
  ::PostMessageA(hWnd, WM_USER + 7, 0, 0);
  EXPECT_TRUE(PumpOneMessage());
  EXPECT_EQ(g_received, 1);
  EXPECT_TRUE(PumpOneMessage());
  EXPECT_EQ(g_received, 2);
  EXPECT_FALSE(PumpOneMessage());
  ::PostQuitMessage(3);
  EXPECT_FALSE(PumpOneMessage());
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
  ::DestroyWindow(hWnd);
}

TEST(RegisterMainWndClass, CopiesAnExistingClassUnderANewName) {
  CWinApp app("Zulta Tests");
  WNDCLASSA wndClass = {};
  wndClass.lpfnWndProc = ::DefWindowProcA;
  wndClass.hInstance = AfxGetInstanceHandle();
  wndClass.style = CS_DBLCLKS;
  wndClass.lpszClassName = "ZultaTestFrameBase";
  ASSERT_TRUE(::RegisterClassA(&wndClass));
  LPCSTR name = RegisterMainWndClass("ZultaTestFrame", "ZultaTestFrameBase", 1);
  ASSERT_NE(name, nullptr);
  EXPECT_STREQ(name, "ZultaTestFrame");
  WNDCLASSA copy = {};
  ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "ZultaTestFrame", &copy));
  EXPECT_EQ(copy.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(RegisterMainWndClass("ZultaTestOther", "NoSuchClass", 1), nullptr);
}

TEST(DeleteFileToRecycleBin, RemovesTheFileWithoutAsking) {
  char folder[MAX_PATH];
  ::GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "zulta-recycle-test.txt";
  FILE* file = fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  fputs("x", file);
  fclose(file);
  EXPECT_TRUE(FileExists(path.c_str()));
  EXPECT_TRUE(DeleteFileToRecycleBin(path.c_str(), FALSE));
  EXPECT_FALSE(FileExists(path.c_str()));
  EXPECT_TRUE(DeleteFileToRecycleBin(path.c_str(), FALSE));  // already gone
}

}  // namespace
