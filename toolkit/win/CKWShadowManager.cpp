#include "toolkit/win/CKWShadowManager.h"

IMPLEMENT_DYNAMIC(CKWShadowWndHook, CKWWndHook)

BOOL CKWShadowWndHook::HookWindow(HWND hWnd) {
  return CKWWndHook::HookWindow(hWnd) && hWnd != nullptr && ::IsWindow(hWnd) ? 1 : 0;
}

LRESULT CKWShadowWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  ++m_nDepth;
  LRESULT result = 0;
  switch (msg) {
    case WM_DESTROY:
      m_bTargetDestroyed = TRUE;
      m_pOwner->Hide();
      result = Default();
      break;
    case WM_SHOWWINDOW:
      if (wParam != 0)
        m_pOwner->Show();
      else
        m_pOwner->Hide();
      result = Default();
      break;
    case WM_WINDOWPOSCHANGED: {
      result = Default();
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      CKWShadowWnd* pShadow = m_pOwner->m_pShadow;
      if (m_pOwner->IsCreated()) {
        if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
          pShadow->Reposition(m_hWnd);
        ::SetWindowPos(pShadow->m_hWnd, m_hWnd, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
      }
      break;
    }
    default:
      result = Default();
      break;
  }
  // A target destroyed inside nested messages keeps its manager until the
  // outermost one returns.
  if (--m_nDepth == 0 && m_bTargetDestroyed) delete m_pOwner;
  return result;
}

CKWShadowManager::CKWShadowManager(HWND hTarget, BOOL bShowNow, BOOL bHookTarget)
    : m_hTarget(hTarget), m_pShadow(new CKWShadowWnd), m_bDeferredShow(!bShowNow) {
  m_hook.m_pOwner = this;
  if (bHookTarget) m_hook.HookWindow(hTarget);
  m_bCreated = m_pShadow->Create(hTarget);
  if (!m_bDeferredShow) Show();
}

CKWShadowManager::~CKWShadowManager() {
  if (m_pShadow->m_hWnd != nullptr) {
    m_pShadow->ShowWindow(SW_HIDE);
    m_pShadow->DestroyWindow();
  }
  delete m_pShadow;
  m_pShadow = nullptr;
}

void CKWShadowManager::Show() {
  if (!m_bCreated || m_pShadow->IsWindowVisible()) return;
  m_pShadow->Invalidate(TRUE);
  m_pShadow->ShowWindow(SW_SHOWNA);
}

void CKWShadowManager::Hide() {
  if (m_bCreated) m_pShadow->ShowWindow(SW_HIDE);
}
