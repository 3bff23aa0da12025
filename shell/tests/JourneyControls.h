// What the journeys read of the program's controls and clipboard, and where
// they click (the clipboard and the windows' places: ProgramOutput.h).
#pragma once

#include <windows.h>

#include <string>

#include "testing/win/ProgramOutput.h"
#include "testing/win/UserInput.h"

// A control's text, as another process reads it.
inline std::string TextOf(HWND hWnd) {
  char text[256] = {};
  ::SendMessageA(hWnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}
