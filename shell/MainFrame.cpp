#include "shell/MainFrame.h"

#include "resources/ShellIds.h"

IMPLEMENT_DYNAMIC(CMainFrame, CWnd)

BOOL CMainFrame::Create() {
  HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
  LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1),
                                         ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME)));
  return CreateEx(0, className, "Zulta", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return CWnd::WindowProc(message, wParam, lParam);
}

// The main window owns itself: it goes when its window goes.
void CMainFrame::PostNcDestroy() { delete this; }
