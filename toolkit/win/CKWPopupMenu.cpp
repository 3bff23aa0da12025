#include "toolkit/win/CKWPopupMenu.h"

#include <vector>

#include "classlib/win/AfxState.h"
#include "classlib/win/CWnd.h"
#include "toolkit/win/KWMenuGlobals.h"

namespace {
// The class of the system's popup-menu windows.
constexpr char kMenuWindowClass[] = "#32768";
constexpr int kClassNameLength = 128;

BOOL CALLBACK CollectMenuWindow(HWND hWnd, LPARAM lParam) {
  char name[kClassNameLength] = {};
  ::GetClassNameA(hWnd, name, kClassNameLength);
  if (lstrcmpA(name, kMenuWindowClass) == 0 && ::IsWindowVisible(hWnd))
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
  return TRUE;
}

std::vector<HWND> OpenMenuWindows() {
  std::vector<HWND> windows;
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectMenuWindow,
                      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

int CountOpen(const std::vector<HWND>& windows) {
  int n = 0;
  for (HWND hWnd : windows)
    if (::IsWindow(hWnd) && ::IsWindowVisible(hWnd)) ++n;
  return n;
}
}  // namespace

int KWCloseOpenPopupMenus() {
  std::vector<HWND> windows = OpenMenuWindows();
  for (HWND hWnd : windows) ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
  // Only the menus' own messages, and only as many as closing them takes:
  // anything else stays queued for the loop that owns it.
  int nDispatched = 0;
  MSG msg;
  for (HWND hWnd : windows) {
    while (nDispatched < CKWPopupMenu::kMaxClosingMessages && ::IsWindow(hWnd) &&
           ::PeekMessageA(&msg, hWnd, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
      ++nDispatched;
    }
  }
  return CountOpen(windows);
}

CKWPopupMenu::CKWPopupMenu() { g_bKWPopupTracking = 1; }

CKWPopupMenu::~CKWPopupMenu() { g_bKWPopupTracking = 0; }

UINT CKWPopupMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, BOOL bNotify,
                                  LPCRECT lpExclude) {
  return TrackMenu(m_hMenu, nFlags, x, y, pOwner, bNotify, lpExclude);
}

UINT CKWPopupMenu::TrackMenu(HMENU hMenu, UINT nFlags, int x, int y, CWnd* pOwner, BOOL bNotify,
                             LPCRECT lpExclude) {
  if (hMenu == nullptr || pOwner == nullptr) return 0;
  HWND hOwner = pOwner->GetSafeHwnd();
  DWORD dwOrigin = g_dwKWMenuOrigin;
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  HWND hOldWindow = pState->m_hTrackingWindow;
  HMENU hOldMenu = pState->m_hTrackingMenu;
  pState->m_hTrackingWindow = hOwner;
  pState->m_hTrackingMenu = hMenu;
  KWCloseOpenPopupMenus();
  UINT nCmd = 0;
  // Closing the other menus may have closed the owner too.
  if (::IsWindow(hOwner)) {
    TPMPARAMS params = {sizeof params, {}};
    if (lpExclude != nullptr) params.rcExclude = *lpExclude;
    nCmd = static_cast<UINT>(::TrackPopupMenuEx(hMenu, nFlags | TPM_RETURNCMD, x, y, hOwner,
                                                lpExclude != nullptr ? &params : nullptr));
  }
  pState->m_hTrackingWindow = hOldWindow;
  pState->m_hTrackingMenu = hOldMenu;
  if (nCmd == ID_KW_SHOW_FULL_MENUS && ::IsWindow(hOwner)) {
    g_dwKWMenuOrigin = dwOrigin;
    ::SendMessageA(hOwner, WM_COMMAND, ID_KW_SHOW_FULL_MENUS, 0);
    return TrackMenu(hMenu, nFlags, x, y, pOwner, bNotify, lpExclude);
  }
  if (bNotify && nCmd != 0 && ::IsWindow(hOwner)) ::PostMessageA(hOwner, WM_COMMAND, nCmd, 0);
  return nCmd;
}
