// Helpers shared by the window, message and command tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/win/CCmdUI.h"
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

// A parent on the screen for a test's controls: a bordered popup at (20, 20),
// shown without activation. Such a window goes at once; one that a window
// manager would manage waits two seconds for the manager there is not.
inline BOOL CreateShownParent(CWnd& wnd, LPCSTR lpszTitle, int nWidth, int nHeight) {
  if (!wnd.CreateEx(0, nullptr, lpszTitle, WS_POPUP | WS_BORDER, 20, 20, nWidth, nHeight, nullptr,
                    nullptr))
    return FALSE;
  wnd.ShowWindow(SW_SHOWNA);
  return TRUE;
}

// Records what update handlers do to an item that is neither menu nor control.
class CRecordingCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_enabled = bOn;
    m_bEnableChanged = TRUE;
  }
  int m_enabled = -1;
};

// Each test has its own application object, as a program has.
class AppTest : public ::testing::Test {
 protected:
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }
  CWinApp m_app{"Zulta Tests"};
};
