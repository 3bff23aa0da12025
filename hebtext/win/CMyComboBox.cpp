#include "hebtext/win/CMyComboBox.h"

#include "classlib/win/MessageMap.h"
#include "hebtext/win/SharedControlMessages.h"

BEGIN_MESSAGE_MAP(CMyComboBox, CComboBox)
  ON_WM_GETDLGCODE()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

UINT CMyComboBox::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CMyComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_TAB) {
    SendTabToParent(this);
    return;
  }
  CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMyComboBox::OnSetFocus(CWnd* pOldWnd) {
  CComboBox::OnSetFocus(pOldWnd);
  SendControlFocus(this);
}
