// A window that reports context-menu requests (1225) and focus (1226, then
// 1129) to its parent.
#pragma once

#include "classlib/win/CWnd.h"

class CMyNotifyCtrl : public CWnd {
 protected:
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()
};
