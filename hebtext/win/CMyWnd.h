// A plain window that tells its parent when it takes the focus.
#pragma once

#include "classlib/win/CWnd.h"

class CMyWnd : public CWnd {
 protected:
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()
};
