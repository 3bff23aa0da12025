// The main frame of a multi-document program: its client is the system's MDI
// client window, which holds the document frames (CMDIChildWnd). Commands go
// to the active child (its view, document, the child frame), which hands them
// on to this frame and the application. The menu bar shows the active child's
// menu; the Window popup lists the children from AFX_IDM_FIRST_MDICHILD, whose
// commands, when nothing handles them, the MDI client carries out itself.
#pragma once

#include "classlib/win/CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)
 public:
  CMDIFrameWnd() = default;

  // Creates the MDI client with the Window popup pWindowMenu.
  virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
  // The popup of hMenuBar that lists the children: the one holding
  // ID_WINDOW_* commands, or nullptr.
  virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

  // The active child (and whether it is maximised), or nullptr.
  CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
  void MDIActivate(CWnd* pWndActivate);
  void MDIMaximize(CWnd* pWnd);
  void MDIRestore(CWnd* pWnd);
  void MDINext();
  void MDIPrev();
  void MDIIconArrange();
  void MDITile();
  void MDITile(int nType);  // MDITILE_* flags
  void MDICascade();
  void MDICascade(int nType);
  // Puts pFrameMenu on the menu bar with pWindowMenu as the child list's
  // popup (either may be nullptr to keep it); returns the menu it replaced.
  CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

  CFrameWnd* GetActiveFrame() override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  void OnUpdateFrameMenu(HMENU hMenuAlt) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  HWND m_hWndMDIClient = nullptr;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The layout places the MDI client, which the default would stretch over the bars.
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnWindowNew();
  // ID_WINDOW_ARRANGE, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT.
  afx_msg BOOL OnMDIWindowCmd(UINT nID);
  afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()
};
