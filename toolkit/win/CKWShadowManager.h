// Owns a shadow window and keeps it in step with its target; with a hook on
// the target it follows the target's moves and visibility and goes with it.
#pragma once

#include "toolkit/win/CKWShadowWnd.h"
#include "toolkit/win/CKWWndHook.h"

class CKWShadowManager;

class CKWShadowWndHook : public CKWWndHook {
  DECLARE_DYNAMIC(CKWShadowWndHook)

 public:
  // 1 when the hook is on a live window.
  BOOL HookWindow(HWND hWnd) override;
  using CKWWndHook::HookWindow;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  CKWShadowManager* m_pOwner = nullptr;
  int m_nDepth = 0;
  BYTE m_bTargetDestroyed = FALSE;
};

class CKWShadowManager {
 public:
  CKWShadowManager(HWND hTarget, BOOL bShowNow, BOOL bHookTarget);
  virtual ~CKWShadowManager();
  CKWShadowManager(const CKWShadowManager&) = delete;
  CKWShadowManager& operator=(const CKWShadowManager&) = delete;

  void Show();
  void Hide();
  BOOL IsCreated() const { return m_bCreated; }

  HWND m_hTarget;
  CKWShadowWnd* m_pShadow;
  CKWShadowWndHook m_hook;
  BYTE m_bDeferredShow;
  BYTE m_bCreated = FALSE;
};
