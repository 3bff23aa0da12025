// The toolkit's menu bar: a dockable bar showing the frame's menu as flat
// buttons. So far its run-time class, what its two window hooks tell it (the
// MDI menus handed over, the frame's activation, menu selections), the frame
// messages offered to it and the commands that short menus hide.
#pragma once

#include "classlib/core/Collections.h"
#include "toolkit/win/CKWControlBar.h"
#include "toolkit/win/CKWMBarWndHook.h"

class CKWMenuBar : public CKWControlBar {
  DECLARE_DYNAMIC(CKWMenuBar)

 public:
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {}

  // A message the frame pre-translates: TRUE when the bar took it and the
  // frame drops it.
  virtual BOOL TranslateFrameMessage(MSG* pMsg);
  virtual BOOL AddHiddenCommand(UINT nID);
  // FALSE at the first command that could not be added.
  virtual BOOL AddHiddenCommands(const UINT* pIDs, int nCount);

  // A message of the hooked frame the bar takes over while it tracks a popup:
  // TRUE with the window to send (bSend) or post it to.
  BOOL RouteMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, HWND& hTarget, BOOL& bSend);
  void SetBarMenu(HMENU hMenu, HMENU hWindowMenu);
  void OnInitWindowMenu() {}
  void UpdateMaximizedState() {}
  void OnMenuSelect(UINT nItemID, HMENU hMenu) {}
  HMENU GetBarMenu() const { return m_hMenu; }
  HMENU GetWindowMenu() const { return m_hWindowMenu; }

  // The entry whose popup is tracked, told to the frame as the popup index.
  int m_nTrackedItem = -1;
  BOOL m_bFrameActive = FALSE;
  // The last command the hooks saw was "Display full menus".
  static BYTE s_bShowFullMenus;
  // The commands the owner-drawn menus hide in short menus.
  CUIntArray m_hiddenCommands;

  CKWMBarWndHook m_frameHook;
  CKWMBarMDIWndHook m_mdiClientHook;

 private:
  HMENU m_hMenu = nullptr;
  HMENU m_hWindowMenu = nullptr;
};
