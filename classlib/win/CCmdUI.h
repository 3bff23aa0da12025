// The state of one user-interface item (a menu item, a control) as the
// handlers of ON_UPDATE_COMMAND_UI see it: they enable, check or rename the
// item without knowing what kind of item it is. Derive to drive other items
// (status panes, toolbar buttons) through the same handlers.
#pragma once

#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 unchecked, 1 checked, 2 indeterminate
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCSTR lpszText);

  // Called by an update handler that leaves the item to the next target.
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks pTarget's update handlers about the item; with bDisableIfNoHndler an
  // item no handler updates is enabled exactly when some target handles its
  // command. TRUE when an update handler took the item.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;            // position of the menu item
  CMenu* m_pMenu = nullptr;     // the menu holding the item, or nullptr
  CMenu* m_pSubMenu = nullptr;  // the item's popup, when the item opens one
  CWnd* m_pOther = nullptr;     // the control, when the item is not a menu item
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;
  UINT m_nIndexMax = 0;  // number of items in m_pMenu
};
