// Control messages whose answer is an int: an index, a count, a position or
// a flag.
#pragma once

#include <windows.h>

inline int AfxSendCtrl(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return static_cast<int>(::SendMessageA(hWnd, message, wParam, lParam));
}
