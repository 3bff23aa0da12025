// The menu bar's hooks on its frame and on the frame's MDI client: they hand
// the MDI menus to the bar, keep its activation and full-menus state, and
// report menu selections. Installed when the bar's window is created.
#pragma once

#include "toolkit/win/CKWWndHook.h"

class CKWMenuBar;

// What both hooks hold and do; their run-time classes derive from CKWWndHook.
class CKWMenuBarHookBase : public CKWWndHook {
 public:
  ~CKWMenuBarHookBase() override { HookWindow(static_cast<HWND>(nullptr)); }
  virtual void Install(CKWMenuBar* pMenuBar, HWND hWnd);

  CKWMenuBar* m_pMenuBar = nullptr;

 protected:
  BOOL IsMenuBarAlive() const;
  // The messages both hooks handle; TRUE with the result when the message
  // goes no further.
  BOOL HandleShared(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

class CKWMBarWndHook : public CKWMenuBarHookBase {
  DECLARE_DYNAMIC(CKWMBarWndHook)

 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class CKWMBarMDIWndHook : public CKWMenuBarHookBase {
  DECLARE_DYNAMIC(CKWMBarMDIWndHook)

 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
