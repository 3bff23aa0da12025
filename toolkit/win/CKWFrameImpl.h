// What the toolkit's frames add to the class library's: docking with the
// toolkit's dock bars and floating frames, the layout of all bars saved and
// restored with the sizes of docking windows, shortcut texts in popup menus,
// a window class with the frame's icon, colours refreshed with the system's,
// the toolbar "Customize" command, and the owner-drawn menus and menu bar a
// frame may ask for. A frame takes it as a second base and forwards to it,
// passing itself.
#pragma once

#include <windows.h>

#include "toolkit/win/CKWAccelManager.h"
#include "toolkit/win/CKWCoolMenu.h"
#include "toolkit/win/CKWMenuBar.h"

class CControlBar;
class CDockBar;
class CDockState;
class CFrameWnd;
class CMenu;

class CKWFrameImpl {
 public:
  CKWFrameImpl() = default;
  virtual ~CKWFrameImpl() = default;
  CKWFrameImpl(const CKWFrameImpl&) = delete;
  CKWFrameImpl& operator=(const CKWFrameImpl&) = delete;

  // A toolkit dock bar on each side of dwDockStyle the frame has none on yet;
  // a failed creation throws the resource exception.
  void EnableDocking(DWORD dwDockStyle, CFrameWnd* pFrame);
  // The same, then dwDockBarFlags as the extended style of every dock bar.
  void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags, CFrameWnd* pFrame);
  // Docks pBar in pDockBar, or without one in the dock bar of the side the
  // bar's alignment names. FALSE, with the bar left as it was, when there is
  // no such dock bar.
  BOOL DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect, CFrameWnd* pFrame);
  // nDockBarID 0: no dock bar given.
  BOOL DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect, CFrameWnd* pFrame);
  // Docks pBar just right of pLeftOf, on its dock bar and row.
  BOOL DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf, CFrameWnd* pFrame);

  // The bars' layout under lpszProfileName, ignored whole when it names a
  // bar the frame no longer has, with the sizes of the docking windows.
  void LoadBarState(LPCSTR lpszProfileName, CFrameWnd* pFrame);
  void SaveBarState(LPCSTR lpszProfileName, CFrameWnd* pFrame);
  void SetDockState(const CDockState& state, CFrameWnd* pFrame);
  void GetDockState(CDockState& state, CFrameWnd* pFrame) const;

  // The create structure's class becomes one with the icon of nIDIcon.
  BOOL PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon, CFrameWnd* pFrame);
  // The toolkit's colours follow the system's.
  void OnSysColorChange(CFrameWnd* pFrame);
  void OnSettingChange(CFrameWnd* pFrame);
  // A bar's context menu was asked for (wParam: the bar): a toolbar is the
  // one the Customize command customises. -1 without a bar.
  LRESULT OnBarContextMenu(WPARAM wParam, CFrameWnd* pFrame);
  void OnCustomize(CFrameWnd* pFrame);
  // Writes the shortcut of each string item's command behind its tab, once
  // the accelerator manager is set up.
  void OnInitMenuPopup(HMENU hPopup, CFrameWnd* pFrame);

  // Offers pMsg to the menu bar while its window exists: TRUE when the bar
  // took it.
  BOOL PreTranslateMessage(MSG* pMsg, CFrameWnd* pFrame);
  // The frame's popups owner-drawn with the images of the toolbar resources;
  // FALSE when one of them did not load.
  BOOL InstallCoolMenus(const UINT* pIDs, int nCount, CFrameWnd* pFrame);
  BOOL InstallCoolMenu(UINT nID, CFrameWnd* pFrame);
  // Commands that short menus hide: the menu bar's, and the owner-drawn
  // menus' once any frame installed them. The menu bar's result.
  BOOL AddMenuCommands(const UINT* pIDs, int nCount, CFrameWnd* pFrame);
  BOOL AddMenuCommand(UINT nID, CFrameWnd* pFrame);
  BOOL RemoveMenuCommands(const UINT* pIDs, int nCount, CFrameWnd* pFrame);
  BOOL RemoveMenuCommand(UINT nID, CFrameWnd* pFrame);
  // While the menu bar's window exists, it shows the frame's menu instead of
  // the frame.
  void UpdateMenuBar(CFrameWnd* pFrame);

  // The frame's own menu, else the menu bar's.
  CMenu* GetMenu(CFrameWnd* pFrame);
  CKWCoolMenu& GetCoolMenu() { return m_coolMenu; }
  CKWMenuBar& GetMenuBar() { return m_menuBar; }
  CKWAccelManager& GetAccelManager() { return m_accelManager; }
  static BOOL IsDockWindow(CControlBar* pBar);

 protected:
  CKWCoolMenu m_coolMenu;
  CKWMenuBar m_menuBar;
  CKWAccelManager m_accelManager;
};
