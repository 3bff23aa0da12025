// Helpers shared by the dialog, data exchange, property sheet and control
// tests: an application whose message boxes and help are recorded instead of
// shown, and dialogs that run a test's script once they are on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/win/DialogTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "testing/win/ImagePixels.h"

// Message boxes would wait for a person: this application records them and
// answers as if OK was pressed. Help requests are recorded as well.
class CRecordingApp : public CWinApp {
 public:
  CRecordingApp() : CWinApp("Zulta Tests") {}
  int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override {
    m_messages.push_back(lpszPrompt);
    return IDOK;
  }
  void WinHelp(DWORD_PTR dwData, UINT) override { m_helpContexts.push_back(dwData); }
  std::vector<std::string> m_messages;
  std::vector<DWORD_PTR> m_helpContexts;
};

class DialogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }
  CRecordingApp m_app;
};

// A dialog or property sheet (TBase) that runs m_script once it is shown and
// the message queue has run empty: the moment a person could first act.
template <class TBase>
class CScripted : public TBase {
 public:
  using TBase::TBase;
  std::function<void(CScripted&)> m_script;

  BOOL OnInitDialog() override {
    BOOL bResult = TBase::OnInitDialog();
    // Timer messages come only when nothing else is waiting.
    this->SetTimer(kScriptTimer, 1);
    return bResult;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kScriptTimer) {
      // A timer that is due keeps the queue from running empty: wait for
      // the next tick until the modal loop has shown the window.
      if (!this->IsWindowVisible()) return 0;
      this->KillTimer(kScriptTimer);
      if (m_script) m_script(*this);
      return 0;
    }
    return TBase::WindowProc(message, wParam, lParam);
  }

 private:
  static constexpr UINT_PTR kScriptTimer = 0x5C21;
};

// Presses the push button nID of the dialog as a click would.
inline void ClickButton(HWND hDlg, int nID) {
  ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

inline std::string ItemText(HWND hDlg, int nID) {
  char szText[256] = {};
  ::GetDlgItemTextA(hDlg, nID, szText, sizeof szText);
  return szText;
}

// Where a window's point (x, y) of its client area lies in a capture of hWndOuter.
inline POINT PointInCapture(HWND hWndOuter, HWND hWnd, int x, int y) {
  POINT pt = {x, y};
  ::ClientToScreen(hWnd, &pt);
  RECT rcOuter;
  ::GetWindowRect(hWndOuter, &rcOuter);
  return POINT{pt.x - rcOuter.left, pt.y - rcOuter.top};
}
