// Waiting in the editor's window tests through the application's own
// message loop, so that accelerators and dialog keys work as in the program.
#pragma once

#include <windows.h>

#include <functional>

#include "classlib/win/CWinApp.h"
#include "testing/win/WaitFor.h"

// How long the loop waits for a message before it looks at the condition.
constexpr DWORD kPumpPollMs = 10;

// Runs the application's own loop until the condition holds: each message
// passes its PreTranslateMessage, where the accelerators are, as in the
// program. True when it held in time.
inline bool PumpUntil(CWinApp& app, const std::function<bool()>& condition) {
  const DWORD start = ::GetTickCount();
  MSG msg;
  while (!condition()) {
    if (::GetTickCount() - start >= kWaitTimeoutMs) return false;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
      app.PumpMessage();
    else
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPumpPollMs, QS_ALLINPUT);
  }
  return true;
}
