#include "hebtext/win/CMyNotifyCtrl.h"

#include "classlib/win/MessageMap.h"
#include "hebtext/win/SharedControlMessages.h"

BEGIN_MESSAGE_MAP(CMyNotifyCtrl, CWnd)
  ON_WM_CONTEXTMENU()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CMyNotifyCtrl::OnContextMenu(CWnd*, CPoint point) {
  if (CWnd* pParent = GetParent())
    pParent->SendMessage(kNotifyContextMenu, GetDlgCtrlID(), MAKELPARAM(point.x, point.y));
}

void CMyNotifyCtrl::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  if (CWnd* pParent = GetParent())
    pParent->SendMessage(kNotifyFocus, GetDlgCtrlID(), reinterpret_cast<LPARAM>(this));
  SendControlFocus(this);
}
