// A dialog whose controls follow its size: the resize layout (second base)
// moves the controls a derived dialog registers after OnInitDialog, keeps
// the dialog within its tracking limits and shows a size grip when the
// template has a sizing frame.
#pragma once

#include <windows.h>

#include "classlib/win/CDialog.h"
#include "toolkit/win/CKWResizeLayout.h"

class CKWResizeDialog : public CDialog, public CKWResizeLayout {
  DECLARE_DYNCREATE(CKWResizeDialog)

 public:
  CKWResizeDialog();
  CKWResizeDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nFlags);

  BOOL OnInitDialog() override;

 protected:
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnSize(UINT nType, int cx, int cy);

  UINT m_nIDTemplate;

  DECLARE_MESSAGE_MAP()
};
