#include "toolkit/win/CKWMBarWndHook.h"

#include "classlib/win/AfxMsg.h"
#include "classlib/win/CFrameWnd.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMenuBar.h"

IMPLEMENT_DYNAMIC(CKWMBarWndHook, CKWWndHook)
IMPLEMENT_DYNAMIC(CKWMBarMDIWndHook, CKWWndHook)

namespace {

constexpr UINT kShowFullMenusCommand = 52783;

}  // namespace

void CKWMenuBarHookBase::Install(CKWMenuBar* pMenuBar, HWND hWnd) {
  m_pMenuBar = pMenuBar;
  HookWindow(hWnd);
}

BOOL CKWMenuBarHookBase::IsMenuBarAlive() const {
  return m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd());
}

BOOL CKWMenuBarHookBase::HandleShared(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_MDISETMENU:
      m_pMenuBar->SetBarMenu(reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam));
      if (HWND hFrame = m_pMenuBar->GetParent()->GetSafeHwnd()) ::SetMenu(hFrame, nullptr);
      result = 0;
      return TRUE;
    case WM_MDIREFRESHMENU: result = 0; return TRUE;
    case WM_COMMAND:
      CKWMenuBar::s_bShowFullMenus = LOWORD(wParam) == kShowFullMenusCommand && HIWORD(wParam) == 0;
      return FALSE;
    case WM_PAINT:
      if (m_hWnd == m_pMenuBar->m_mdiClientHook.m_hWnd) m_pMenuBar->UpdateMaximizedState();
      return FALSE;
    case WM_NCACTIVATE: {
      CWnd* pTop = m_pMenuBar->GetTopLevelParent();
      HWND hTop = pTop != nullptr ? pTop->GetSafeHwnd() : nullptr;
      CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hTop));
      if (pFrame != nullptr && (pFrame->m_nFlags & WF_STAYACTIVE) != 0)
        m_pMenuBar->m_bFrameActive = TRUE;
      else if (hTop != nullptr && !::IsWindowEnabled(hTop))
        m_pMenuBar->m_bFrameActive = FALSE;
      else
        m_pMenuBar->m_bFrameActive = static_cast<BOOL>(wParam);
      ::InvalidateRect(m_pMenuBar->GetSafeHwnd(), nullptr, TRUE);
      return FALSE;
    }
    default: return FALSE;
  }
}

LRESULT CKWMBarWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsMenuBarAlive()) return CKWWndHook::WindowProc(msg, wParam, lParam);
  HWND hTarget = nullptr;
  BOOL bSend = FALSE;
  if (m_pMenuBar->RouteMenuMessage(msg, wParam, lParam, hTarget, bSend) && hTarget != nullptr)
    return bSend ? ::SendMessageA(hTarget, msg, wParam, lParam)
                 : ::PostMessageA(hTarget, msg, wParam, lParam);
  LRESULT result = 0;
  if (HandleShared(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam) == 0 && reinterpret_cast<HMENU>(wParam) == m_pMenuBar->GetWindowMenu())
        m_pMenuBar->OnInitWindowMenu();
      lParam = MAKELPARAM(m_pMenuBar->m_nTrackedItem, HIWORD(lParam));
      break;
    case WM_SYSCOLORCHANGE: m_pMenuBar->SetFont(&KWGetGlobalData().fontHorz, TRUE); break;
    case WM_MENUSELECT:
      m_pMenuBar->OnMenuSelect(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
      break;
  }
  return CKWWndHook::WindowProc(msg, wParam, lParam);
}

LRESULT CKWMBarMDIWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (IsMenuBarAlive() && HandleShared(msg, wParam, lParam, result)) return result;
  return CKWWndHook::WindowProc(msg, wParam, lParam);
}
