// The toolkit's MDI child frame: the class library's, with the toolkit's
// docking and saved bar layout, its own owner-drawn menus hooked to it, the
// toolbar "Customize" command, and the first view made active when the title
// is updated.
#pragma once

#include "classlib/win/CMDIChildWnd.h"
#include "toolkit/win/CKWCoolMenu.h"
#include "toolkit/win/CKWFrameImpl.h"

class CKWMDIChildWnd : public CMDIChildWnd, public CKWFrameImpl {
  DECLARE_DYNCREATE(CKWMDIChildWnd)

 public:
  CKWMDIChildWnd() = default;

  virtual void LoadBarState(LPCSTR lpszProfileName);
  virtual void SaveBarState(LPCSTR lpszProfileName);
  virtual BOOL DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
  // The class library's PreCreateWindow, then a window class with the icon.
  virtual BOOL PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon);

  void EnableDocking(DWORD dwDockStyle);
  void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags);
  BOOL DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  BOOL DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);

  // The first view among the children becomes the active one.
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;

  CKWCoolMenu m_childCoolMenu;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCustomize();
  DECLARE_MESSAGE_MAP()
};
