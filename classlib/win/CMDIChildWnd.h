// A document frame inside a CMDIFrameWnd's client. It is made through the MDI
// client (WM_MDICREATE), shares its menu and accelerators with the other
// frames of its document template, puts that menu on the main frame's bar
// while it is active, and titles itself with its document's name, numbered
// ":1", ":2" when the document has several frames.
#pragma once

#include "classlib/win/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)
 public:
  CMDIChildWnd() = default;
  ~CMDIChildWnd() override;

  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
              CCreateContext* pContext = nullptr);
  // The menu and accelerators come from the context's document template
  // (shared) or else from resource nIDResource.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE |
                                                          WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL DestroyWindow() override;

  CMDIFrameWnd* GetMDIFrame() const;
  void MDIDestroy();
  void MDIActivate();
  void MDIMaximize();
  void MDIRestore();
  // The menu and accelerators shown while this frame is active.
  void SetHandles(HMENU hMenu, HACCEL hAccel);

  // Shows the frame maximised when the active child is, and activates it.
  void ActivateFrame(int nCmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  // Puts the shared menu (bActive) or the main frame's own on the menu bar.
  virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
  // The child's accelerators send their commands to the MDI frame.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  HMENU m_hMenuShared = nullptr;

 protected:
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Maximising or restoring a child changes the main frame's title.
  afx_msg void OnSize(UINT nType, int cx, int cy);
  // WM_MDIACTIVATE: the active view, the title and the menu follow the active child.
  afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
  // A click anywhere in a child that is not the active one activates it.
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

 private:
  // The menu loaded from the frame's own resource, when no template shares one.
  HMENU m_hMenuOwned = nullptr;
};
