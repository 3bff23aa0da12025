// Clicking the controls of the program's dialogs as a user does, from the
// test process.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/tests/JourneyControls.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

// A click just after a dialog takes the focus can be lost; a lost click is
// not waited for long before the next.
constexpr DWORD kDialogClickWaitMs = 3000;
constexpr int kDialogClickTries = 3;

// Clicks a dialog's control at a point a fraction of its width from its
// left, half-way down.
inline void ClickControl(HWND hDialog, int id, double across = 0.5) {
  RECT rect;
  ::GetWindowRect(::GetDlgItem(hDialog, id), &rect);
  ClickAt({rect.left + static_cast<LONG>((rect.right - rect.left) * across),
           (rect.top + rect.bottom) / 2});
}

// Clicks the control until what the click does is seen; false when it never is.
inline bool ClickControlUntil(HWND hDialog, int id, const std::function<bool()>& done,
                              double across = 0.5) {
  for (int tries = 0; tries < kDialogClickTries; ++tries) {
    ClickControl(hDialog, id, across);
    if (WaitFor(done, kDialogClickWaitMs)) return true;
  }
  return false;
}
