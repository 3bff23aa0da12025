#include "shell/LookupDockWindow.h"

CLookupDockWindow::~CLookupDockWindow() = default;

BOOL CLookupDockWindow::Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszTitle, CSize size,
                               DWORD dwStyle, DWORD dwExStyle) {
  if (!CKWDockWindow::Create(pParentWnd, nID, lpszTitle, size, dwStyle, dwExStyle)) return FALSE;
  // The result list comes with the lookup engine; until then the bar holds
  // the mode and takes the edit's notifications.
  if (!m_lookupBar.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                          AFX_IDW_PANE_FIRST))
    return FALSE;
  SetChild(&m_lookupBar);
  return TRUE;
}
