#include "toolkit/win/CKWResizePropertyPage.h"

#include "classlib/win/MessageMap.h"

IMPLEMENT_DYNCREATE(CKWResizePropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CKWResizePropertyPage, CPropertyPage)
  ON_WM_GETMINMAXINFO()
  ON_WM_SIZE()
END_MESSAGE_MAP()

CKWResizePropertyPage::CKWResizePropertyPage() : CKWResizePropertyPage(0, 0, 0) {}

CKWResizePropertyPage::CKWResizePropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nFlags)
    : CPropertyPage(nIDTemplate, nIDCaption),
      CKWResizeLayout(this, nFlags | kwResizeNoGrip),
      m_nIDTemplate(nIDTemplate) {}

BOOL CKWResizePropertyPage::OnInitDialog() {
  CDialog::OnInitDialog();
  Init();
  EnableToolTips();
  return TRUE;
}

void CKWResizePropertyPage::OnGetMinMaxInfo(MINMAXINFO* lpMMI) { GetMinMaxInfo(lpMMI); }

void CKWResizePropertyPage::OnSize(UINT nType, int cx, int cy) {
  CPropertyPage::OnSize(nType, cx, cy);
  Resize();
}
