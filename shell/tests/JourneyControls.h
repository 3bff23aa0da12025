// What the journeys read of the program's controls and clipboard, and where
// they click.
#pragma once

#include <windows.h>

#include <string>

// The clipboard's Unicode text as UTF-8.
inline std::string ClipboardUtf8() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
    const auto* wide = static_cast<const wchar_t*>(::GlobalLock(hData));
    if (wide != nullptr) {
      int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
      text.resize(size > 0 ? size - 1 : 0);
      ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
      ::GlobalUnlock(hData);
    }
  }
  ::CloseClipboard();
  return text;
}

// The window's centre on the screen.
inline POINT CenterOf(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A control's text, as another process reads it.
inline std::string TextOf(HWND hWnd) {
  char text[256] = {};
  ::SendMessageA(hWnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}
