#include "hebtext/win/CMyWnd.h"

#include "classlib/win/MessageMap.h"
#include "hebtext/win/SharedControlMessages.h"

BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CMyWnd::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  SendControlFocus(this);
}
