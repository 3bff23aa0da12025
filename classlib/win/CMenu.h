// A menu bar or popup menu. The object owns its menu: the destructor
// destroys it unless it was detached (detach a menu that a window or another
// menu has taken over). A menu nobody wrapped gets a temporary object from
// FromHandle, which lives until the next idle time.
//
// Owner-drawn items (MF_OWNERDRAW) are measured and drawn by the permanent
// object of their menu: the owner window passes WM_MEASUREITEM and
// WM_DRAWITEM on to MeasureItem and DrawItem.
#pragma once

#include <windows.h>

#include "classlib/core/CObject.h"
#include "classlib/core/CString.h"

class CBitmap;
class CWnd;

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
 public:
  CMenu() = default;
  ~CMenu() override;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }

  // The program's object for the menu, else a temporary one.
  static CMenu* FromHandle(HMENU hMenu);
  // The program's object for the menu, or nullptr.
  static CMenu* FromHandlePermanent(HMENU hMenu);
  static void DeleteTempMap();
  BOOL Attach(HMENU hNewMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // From the program's resources.
  BOOL LoadMenu(LPCTSTR lpszResourceName);
  BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadMenuIndirect(const void* lpMenuTemplate);
  BOOL DestroyMenu();

  // nFlags as for the Windows calls: MF_STRING, MF_POPUP (nIDNewItem is then
  // the popup's handle), MF_SEPARATOR, MF_OWNERDRAW (lpszNewItem is then the
  // item data), MF_BYCOMMAND/MF_BYPOSITION, states.
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCTSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCTSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  // Removes an item, destroying its popup.
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  // Removes an item, leaving its popup alive.
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);

  // Each gives the item's previous state, or (UINT)-1 when there is no item.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
  BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                          const CBitmap* pBmpChecked);

  UINT GetMenuItemCount() const;
  // The command id of the item at nPos; (UINT)-1 for a popup or no item, 0
  // for a separator.
  UINT GetMenuItemID(int nPos) const;
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  // Copies at most nMaxCount - 1 characters and always terminates them.
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  // The popup at nPos as a temporary object (or the program's own), or
  // nullptr when the item opens no popup.
  CMenu* GetSubMenu(int nPos) const;

  // Shows the popup at (x, y) in screen coordinates and tracks it; commands
  // go to pWnd.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

  // Owner-drawn items. The default does nothing; a derived menu that holds
  // owner-drawn items overrides both.
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

  BOOL operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
  BOOL operator!=(const CMenu& menu) const { return m_hMenu != menu.m_hMenu; }
};
