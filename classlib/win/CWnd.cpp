#include "classlib/win/CWnd.h"

#include "classlib/win/CWinApp.h"

#include <cstdio>
#include <map>
#include <string>

namespace {
std::map<HWND, CWnd*>& PermanentMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}
// The object whose window is being created on this thread: bound to the
// handle at the window's first message, before CreateWindowEx returns.
thread_local CWnd* t_pWndInit = nullptr;
}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::~CWnd() {
  if (m_hWnd != nullptr) DestroyWindow();
}

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto it = PermanentMap().find(hWnd);
  return it == PermanentMap().end() ? nullptr : it->second;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  t_pWndInit = this;
  HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                nHeight, hWndParent, nIDorHMenu, AfxGetInstanceHandle(), lpParam);
  t_pWndInit = nullptr;
  return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::PostNcDestroy() {}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr && t_pWndInit != nullptr) {
    pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    pWnd->Attach(hWnd);
  }
  if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);

  LRESULT result = pWnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    PermanentMap().erase(hWnd);
    pWnd->m_hWnd = nullptr;
    pWnd->PostNcDestroy();
  }
  return result;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One name per distinct set of attributes, as the names must stay valid.
  static std::map<std::string, std::string> names;
  char key[128];
  std::snprintf(key, sizeof key, "Zulta:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  auto it = names.find(key);
  if (it != names.end()) return it->second.c_str();

  WNDCLASSA wc = {};
  wc.style = nClassStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = hCursor;
  wc.hbrBackground = hbrBackground;
  wc.hIcon = hIcon;
  wc.lpszClassName = key;
  if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  return names.emplace(key, key).first->second.c_str();
}
