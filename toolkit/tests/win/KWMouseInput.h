// Real mouse input for the toolkit's window tests, and the popup menu on the
// screen.
#pragma once

#include <windows.h>

#include <vector>

namespace kwtest {

inline INPUT MouseInput(DWORD dwFlags, POINT pt = {0, 0}) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = dwFlags;
  if (dwFlags & MOUSEEVENTF_MOVE) {
    // Absolute positions are in 65536ths of the screen.
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = static_cast<LONG>((pt.x * 65536LL + cx - 1) / cx);
    input.mi.dy = static_cast<LONG>((pt.y * 65536LL + cy - 1) / cy);
  }
  return input;
}
inline void SendMouse(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
inline void MoveMouse(POINT pt) { SendMouse({MouseInput(MOUSEEVENTF_MOVE, pt)}); }
inline void Click(POINT pt) {
  SendMouse({MouseInput(MOUSEEVENTF_MOVE, pt), MouseInput(MOUSEEVENTF_LEFTDOWN),
             MouseInput(MOUSEEVENTF_LEFTUP)});
}

// The popup menu window on the screen, if any.
inline HWND OpenMenuWindow() {
  HWND hMenu = ::FindWindowA("#32768", nullptr);
  return hMenu != nullptr && ::IsWindowVisible(hMenu) ? hMenu : nullptr;
}

}  // namespace kwtest
