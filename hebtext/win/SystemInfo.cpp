#include "hebtext/win/SystemInfo.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

OSVERSIONINFOEXA g_osVersion;

BOOL GetOSDescription() {
  ZeroMemory(&g_osVersion, sizeof g_osVersion);
  auto* pInfo = reinterpret_cast<OSVERSIONINFOA*>(&g_osVersion);
  g_osVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (::GetVersionExA(pInfo)) return TRUE;
  g_osVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  return ::GetVersionExA(pInfo) ? TRUE : FALSE;
}

void GetDesktopWorkRect(int& left, int& top, int& width, int& height) {
  bool virtualScreen =
      (g_osVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
       (g_osVersion.dwMajorVersion > 4 ||
        (g_osVersion.dwMajorVersion == 4 && g_osVersion.dwMinorVersion > 0))) ||
      (g_osVersion.dwPlatformId == VER_PLATFORM_WIN32_NT && g_osVersion.dwMajorVersion >= 5);
  if (virtualScreen) {
    left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  } else {
    left = 0;
    top = 0;
    width = ::GetSystemMetrics(SM_CXSCREEN);
    height = ::GetSystemMetrics(SM_CYSCREEN);
  }
}

BOOL PumpOneMessage() {
  MSG msg;
  if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return FALSE;
  if (msg.message == WM_QUIT) {
    // Taken from the queue by mistake: the main loop must still see it.
    ::PostQuitMessage(static_cast<int>(msg.wParam));
    return FALSE;
  }
  if (msg.hwnd == nullptr || !::IsDialogMessageA(msg.hwnd, &msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

LPCSTR RegisterMainWndClass(LPCSTR newClassName, LPCSTR existingClassName, UINT iconId) {
  WNDCLASSA wndClass;
  HINSTANCE hInstance = AfxGetInstanceHandle();
  if (!::GetClassInfoA(hInstance, existingClassName, &wndClass)) return nullptr;
  wndClass.lpszClassName = newClassName;
  wndClass.hInstance = hInstance;
  wndClass.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId));
  return AfxRegisterClass(&wndClass) ? newClassName : nullptr;
}
