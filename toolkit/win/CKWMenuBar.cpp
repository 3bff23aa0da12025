#include "toolkit/win/CKWMenuBar.h"

IMPLEMENT_DYNAMIC(CKWMenuBar, CKWControlBar)

BYTE CKWMenuBar::s_bShowFullMenus = 0;

BOOL CKWMenuBar::RouteMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, HWND& hTarget,
                                  BOOL& bSend) {
  // No popup of the bar is tracked yet: every message goes its usual way.
  hTarget = nullptr;
  bSend = FALSE;
  return FALSE;
}

void CKWMenuBar::SetBarMenu(HMENU hMenu, HMENU hWindowMenu) {
  m_hMenu = hMenu;
  m_hWindowMenu = hWindowMenu;
}
