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

BOOL CKWMenuBar::TranslateFrameMessage(MSG*) {
  // Keys and clicks move through the bar's entries only in its window, which
  // no frame creates yet: every message goes on to the frame.
  return FALSE;
}

BOOL CKWMenuBar::AddHiddenCommand(UINT nID) {
  m_hiddenCommands.Add(nID);
  return TRUE;
}

BOOL CKWMenuBar::AddHiddenCommands(const UINT* pIDs, int nCount) {
  for (int i = 0; i < nCount; ++i)
    if (!AddHiddenCommand(pIDs[i])) return FALSE;
  return TRUE;
}
