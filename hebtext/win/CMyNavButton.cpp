#include "hebtext/win/CMyNavButton.h"

#include "classlib/win/MessageMap.h"
#include "hebtext/win/SharedControlMessages.h"

BEGIN_MESSAGE_MAP(CMyNavButton, CButton)
  ON_WM_GETDLGCODE()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

UINT CMyNavButton::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTTAB; }

void CMyNavButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_TAB) {
    SendTabToParent(this);
    return;
  }
  if (nChar >= VK_LEFT && nChar <= VK_DOWN) {
    if (CWnd* pParent = GetParent())
      pParent->SendMessage(kNavArrowMessage, nChar, reinterpret_cast<LPARAM>(this));
  }
  CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMyNavButton::OnSetFocus(CWnd* pOldWnd) {
  CButton::OnSetFocus(pOldWnd);
  SendControlFocus(this);
}
