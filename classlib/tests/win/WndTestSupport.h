// Helpers shared by the window, message and command tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/HandleMap.h"

// Dispatches every message waiting in this thread's queue; true when one of
// them was WM_QUIT (which is taken off the queue).
inline bool PumpPending() {
  bool bQuit = false;
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      bQuit = true;
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return bQuit;
}

// A plain top-level window of the given object, hidden, 200 x 150.
inline BOOL CreateTopLevel(CWnd& wnd, DWORD dwStyle = WS_OVERLAPPEDWINDOW) {
  return wnd.CreateEx(0, nullptr, "test", dwStyle, 10, 10, 200, 150, nullptr, nullptr);
}

// Each test has its own application object, as a program has.
class AppTest : public ::testing::Test {
 protected:
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }
  CWinApp m_app{"Zulta Tests"};
};
