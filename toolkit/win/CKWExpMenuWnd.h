// The hidden-buttons popup: a small window beside a toolbar's chevron that
// shows the buttons the toolbar had no room for, wrapped into rows, in a
// toolbar of its own (and, for a customisable toolbar, a "Customize..."
// entry). It closes itself when it loses the activation, when the
// application is left, or when a command is chosen, which then reaches the
// source toolbar's frame after the popup has gone. It is made with new and
// deletes itself.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CWnd.h"
#include "toolkit/win/CKWToolBar.h"
#include "toolkit/win/CKWWndHook.h"

class CKWExpMenuWnd;

// A toolbar in the hidden-buttons popup, painted in the menu's background.
class CKWHiddenButtonsToolbar : public CKWToolBar {
  DECLARE_DYNAMIC(CKWHiddenButtonsToolbar)

 public:
  COLORREF GetBackgroundColor() const override;
  BOOL HasChevron() const override { return FALSE; }

  // The popup the bar shows the hidden buttons of; null for the customise bar.
  CKWExpMenuWnd* m_pPopup = nullptr;
};

// Watches the source toolbar's frame while the popup is open.
class CKWHiddenButtonsWndHook : public CKWWndHook {
  DECLARE_DYNAMIC(CKWHiddenButtonsWndHook)

 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  CKWExpMenuWnd* m_pPopup = nullptr;
};

class CKWExpMenuWnd : public CWnd {
  DECLARE_DYNAMIC(CKWExpMenuWnd)

 public:
  // pNotifyWnd gets nNotifyMsg when the popup goes.
  CKWExpMenuWnd(CWnd* pNotifyWnd, UINT nNotifyMsg);
  ~CKWExpMenuWnd() override;

  // Creates, sizes, places and shows the popup beside the chevron's screen
  // rectangle. FALSE when the window cannot be made; a window that was made
  // and went has deleted the object.
  BOOL Create(CRect rectButton, CKWToolBar* pSourceToolbar);
  // A new popup, created and shown; nullptr, with nothing left behind, when
  // it cannot be made.
  static CKWExpMenuWnd* Open(CWnd* pNotifyWnd, UINT nNotifyMsg, CRect rectButton,
                             CKWToolBar* pSourceToolbar);
  // Destroys once; later calls, during the destruction, do nothing.
  BOOL DestroyWindow() override;
  CKWHiddenButtonsToolbar& GetButtonsBar() { return m_wndButtons; }
  CKWToolBar* GetSourceToolbar() const { return m_pSourceToolbar; }

 protected:
  void PostNcDestroy() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg void OnNcPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg void OnCustomize();
  DECLARE_MESSAGE_MAP()

 private:
  // The non-client width and height of the popup's frame.
  CSize NonClientSize();

  CKWHiddenButtonsToolbar m_wndButtons;
  CKWHiddenButtonsToolbar m_wndCustomize;
  CKWHiddenButtonsWndHook m_hook;
  CRect m_rectButton;
  CKWToolBar* m_pSourceToolbar = nullptr;
  UINT m_nNotifyMsg;
  CWnd* m_pNotifyWnd;
  BOOL m_bDestroying = FALSE;
  // Told when the object deletes itself while Open waits for Create.
  bool* m_pbDeleted = nullptr;
};

// Opens the edge where a popup touches its button: a line in color.
void DrawPopupJoint(CDC* pDC, COLORREF color, const CRect* pButtonRect, const CRect* pWindowRect);
