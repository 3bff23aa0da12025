// The menu through which the toolkit's bars track their popup menus: it
// closes any popup menu still open first, returns the chosen command (and,
// when asked, sends it to the owner), and opens the menu again in full when
// "Display full menus" was chosen in it.
#pragma once

#include "classlib/win/CMenu.h"

// "Display full menus": personalised menus show all their items.
constexpr UINT ID_KW_SHOW_FULL_MENUS = 52783;

class CKWPopupMenu : public CMenu {
 public:
  CKWPopupMenu();
  ~CKWPopupMenu() override;

  // The chosen command, 0 for none; with bNotify also posted to pOwner as
  // WM_COMMAND. lpExclude is the screen area the menu must not cover (the
  // button it drops from). 0 when pOwner went while open menus were closed.
  UINT TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, BOOL bNotify,
                      LPCRECT lpExclude = nullptr);
  // The same for a menu the caller holds (a submenu of a loaded menu).
  static UINT TrackMenu(HMENU hMenu, UINT nFlags, int x, int y, CWnd* pOwner, BOOL bNotify,
                        LPCRECT lpExclude = nullptr);

  // The most messages dispatched to close the popup menus already open.
  static constexpr int kMaxClosingMessages = 64;
};

// Posts WM_CLOSE to this thread's open popup-menu windows and dispatches
// their messages, at most CKWPopupMenu::kMaxClosingMessages, until they are
// gone. Returns the number still open.
int KWCloseOpenPopupMenus();
