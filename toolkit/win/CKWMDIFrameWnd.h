// The toolkit's MDI main frame: the class library's, with the toolkit's
// docking, saved bar layout, shortcut texts in its popup menus, colour
// refresh, the toolbar "Customize" command, and the toolkit's window list
// in place of the system's dialog for windows beyond the ninth.
#pragma once

#include "classlib/win/CMDIFrameWnd.h"
#include "toolkit/win/CKWFrameImpl.h"

// The Window menu's item that the MDI client adds when more than nine
// windows are open.
constexpr UINT ID_KW_MORE_WINDOWS = AFX_IDM_FIRST_MDICHILD + 9;

class CKWMDIFrameWnd : public CMDIFrameWnd, public CKWFrameImpl {
  DECLARE_DYNCREATE(CKWMDIFrameWnd)

 public:
  CKWMDIFrameWnd() = default;

  virtual void LoadBarState(LPCSTR lpszProfileName);
  virtual void SaveBarState(LPCSTR lpszProfileName);
  virtual BOOL DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
  virtual CMenu* GetMenu();
  virtual BOOL RemoveMenuCommand(UINT nID);
  virtual BOOL AddMenuCommand(UINT nID);
  virtual BOOL RemoveMenuCommands(const UINT* pIDs, int nCount);
  virtual BOOL AddMenuCommands(const UINT* pIDs, int nCount);
  virtual void SetDockState(const CDockState& state);
  virtual void GetDockState(CDockState& state);
  // The class library's PreCreateWindow, then a window class with the icon.
  virtual BOOL PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon);

  void EnableDocking(DWORD dwDockStyle);
  void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags);
  BOOL DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  BOOL DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  BOOL InstallCoolMenus(const UINT* pIDs, int nCount);
  BOOL InstallCoolMenu(UINT nID);
  void UpdateMenuBar();

  // The menu bar's keys first.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg void OnSysColorChange();
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  // The active toolkit child's shortcut texts (else this frame's) first.
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCustomize();
  // Runs the toolkit's window list with the frame's small icon.
  afx_msg void OnMoreWindows();
  DECLARE_MESSAGE_MAP()
};
