// A property page whose controls follow its size, as the resizable dialog's
// do. A page never has a size grip: the sheet has one.
#pragma once

#include <windows.h>

#include "classlib/win/CPropertyPage.h"
#include "toolkit/win/CKWResizeLayout.h"

class CKWResizePropertyPage : public CPropertyPage, public CKWResizeLayout {
  DECLARE_DYNCREATE(CKWResizePropertyPage)

 public:
  CKWResizePropertyPage();
  CKWResizePropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nFlags);

  BOOL OnInitDialog() override;

 protected:
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnSize(UINT nType, int cx, int cy);

  UINT m_nIDTemplate;

  DECLARE_MESSAGE_MAP()
};
