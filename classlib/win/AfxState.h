// The state the class library keeps per thread and per module, which code
// outside the library reads too (window hooks restore the last sent message;
// popup tracking records its menu and window).
#pragma once

#include <windows.h>

class CString;
class CWnd;
class CWinApp;
class CWinThread;

struct AFX_THREAD_STATE {
  // The message being handled by the innermost window procedure of the
  // class library on this thread: CWnd::Default passes it on.
  MSG m_lastSentMsg = {};
  // The popup menu being tracked and the window that tracks it, so owner-drawn
  // items of the popup can be measured.
  HWND m_hTrackingWindow = nullptr;
  HMENU m_hTrackingMenu = nullptr;
  // The object whose window CreateEx is creating, bound by the creation hook.
  CWnd* m_pWndInit = nullptr;
  HHOOK m_hHookOldCbtFilter = nullptr;
  // The thread object running this thread's message loop, if any.
  CWinThread* m_pCurrentWinThread = nullptr;
  // The tooltip control shared by the windows with tooltips, and the tool
  // the mouse was last over.
  HWND m_hWndToolTip = nullptr;
  HWND m_hWndLastTool = nullptr;  // the tool's window, nullptr when none
  UINT_PTR m_nLastToolId = 0;
  INT_PTR m_nLastHit = -1;
};

struct AFX_MODULE_STATE {
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCSTR m_lpszCurrentAppName = nullptr;
  BOOL m_bOleInitialized = FALSE;  // by AfxOleInit, undone at exit
};

AFX_THREAD_STATE* AfxGetThreadState();
AFX_MODULE_STATE* AfxGetModuleState();

// Reads string resource nID from AfxGetResourceHandle(); CString::LoadString
// goes through it once the Windows half of the library is linked in.
BOOL AfxLoadString(UINT nID, CString& rString);
