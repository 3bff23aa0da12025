// A button that hands Tab to its dialog and reports arrow keys to its parent
// (1130), and tells the parent when it takes the focus.
#pragma once

#include "classlib/win/CButton.h"

class CMyNavButton : public CButton {
 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()
};
