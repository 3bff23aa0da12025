// A combo box that takes every key, hands Tab to its dialog and tells its
// parent when it takes the focus.
#pragma once

#include "classlib/win/CComboBox.h"

class CMyComboBox : public CComboBox {
 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()
};
