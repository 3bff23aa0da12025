// The least a Windows program does to show a main window, for comparing
// Zulta's start-up with: one window class, one maximised window titled
// "Zulta", a message loop. It loads the same system libraries as Zulta.exe
// (SystemLibraries.h), so that the comparison is of the program's own work.
#include <windows.h>

#include "bench/startup/SystemLibraries.h"

namespace {
constexpr char kClassName[] = "ZultaStartupBareWindow";
constexpr char kTitle[] = "Zulta";

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  TouchSystemLibraries();
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = hInstance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassA(&windowClass);
  HWND hWnd = ::CreateWindowA(kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                              CW_USEDEFAULT, 0, nullptr, nullptr, hInstance, nullptr);
  ::ShowWindow(hWnd, SW_SHOWMAXIMIZED);
  ::UpdateWindow(hWnd);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
