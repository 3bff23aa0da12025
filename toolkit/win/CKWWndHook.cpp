#include "toolkit/win/CKWWndHook.h"

#include "classlib/win/AfxState.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/WndProcException.h"

IMPLEMENT_DYNAMIC(CKWWndHook, CObject)
IMPLEMENT_DYNAMIC(CKWWindowMap, CMapPtrToPtr)

CKWWndHook* CKWWindowMap::Lookup(HWND hWnd) const {
  void* pHook = nullptr;
  return CMapPtrToPtr::Lookup(hWnd, pHook) ? static_cast<CKWWndHook*>(pHook) : nullptr;
}

void CKWWindowMap::Add(HWND hWnd, CKWWndHook* pHook) { SetAt(hWnd, pHook); }

void CKWWindowMap::Remove(HWND hWnd) { RemoveKey(hWnd); }

CKWWindowMap& KWGetWindowMap() {
  static CKWWindowMap map;
  return map;
}

CKWWndHook::~CKWWndHook() {
  if (m_hWnd != nullptr) Unhook();
}

BOOL CKWWndHook::HookWindow(CWnd* pWnd) { return HookWindow(pWnd->GetSafeHwnd()); }

BOOL CKWWndHook::HookWindow(HWND hWnd) {
  if (m_hWnd != nullptr) Unhook();
  if (hWnd == nullptr) return TRUE;
  CKWWindowMap& map = KWGetWindowMap();
  CKWWndHook* pHead = map.Lookup(hWnd);
  m_hWnd = hWnd;
  m_pNext = pHead;
  map.Add(hWnd, this);
  if (pHead != nullptr) {
    m_pOldWndProc = pHead->m_pOldWndProc;
  } else {
    m_pOldWndProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KWHookWndProc));
  }
  return TRUE;
}

void CKWWndHook::Unhook() {
  CKWWindowMap& map = KWGetWindowMap();
  CKWWndHook* pHead = map.Lookup(m_hWnd);
  if (pHead == this) {
    if (m_pNext != nullptr) {
      map.Add(m_hWnd, m_pNext);
    } else {
      map.Remove(m_hWnd);
      ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pOldWndProc));
    }
  } else {
    for (CKWWndHook* pHook = pHead; pHook != nullptr; pHook = pHook->m_pNext) {
      if (pHook->m_pNext == this) {
        pHook->m_pNext = m_pNext;
        break;
      }
    }
  }
  m_hWnd = nullptr;
  m_pNext = nullptr;
  m_pOldWndProc = nullptr;
}

LRESULT CKWWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (m_pNext != nullptr) return m_pNext->WindowProc(msg, wParam, lParam);
  return ::CallWindowProcA(m_pOldWndProc, m_hWnd, msg, wParam, lParam);
}

LRESULT CKWWndHook::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return CKWWndHook::WindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CALLBACK KWHookWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  MSG saved = pState->m_lastSentMsg;
  MSG& current = pState->m_lastSentMsg;
  current.hwnd = hWnd;
  current.message = msg;
  current.wParam = wParam;
  current.lParam = lParam;
  CKWWindowMap& map = KWGetWindowMap();
  CKWWndHook* pHead = map.Lookup(hWnd);
  LRESULT result = 0;
  if (pHead == nullptr) {
    result = ::DefWindowProcA(hWnd, msg, wParam, lParam);
  } else if (msg != WM_NCDESTROY) {
    result =
        AfxCallCatchingExceptions(current, [&] { return pHead->WindowProc(msg, wParam, lParam); });
  } else {
    // The window's own procedure is back in place, and every hook gone, before it handles its end.
    WNDPROC pOldWndProc = pHead->m_pOldWndProc;
    while ((pHead = map.Lookup(hWnd)) != nullptr) pHead->HookWindow(static_cast<HWND>(nullptr));
    result = ::CallWindowProcA(pOldWndProc, hWnd, msg, wParam, lParam);
  }
  pState->m_lastSentMsg = saved;
  return result;
}
