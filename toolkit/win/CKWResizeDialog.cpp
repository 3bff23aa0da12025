#include "toolkit/win/CKWResizeDialog.h"

#include "classlib/win/MessageMap.h"

IMPLEMENT_DYNCREATE(CKWResizeDialog, CDialog)

BEGIN_MESSAGE_MAP(CKWResizeDialog, CDialog)
  ON_WM_GETMINMAXINFO()
  ON_WM_SIZE()
END_MESSAGE_MAP()

CKWResizeDialog::CKWResizeDialog() : CKWResizeDialog(0, nullptr, 0) {}

CKWResizeDialog::CKWResizeDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nFlags)
    : CDialog(nIDTemplate, pParentWnd), CKWResizeLayout(this, nFlags), m_nIDTemplate(nIDTemplate) {}

BOOL CKWResizeDialog::OnInitDialog() {
  // Only a sizing frame can be resized, so only it gets a grip.
  if (!(GetStyle() & WS_THICKFRAME)) SetFlag(kwResizeNoGrip);
  CDialog::OnInitDialog();
  Init();
  EnableToolTips();
  return TRUE;
}

void CKWResizeDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI) { GetMinMaxInfo(lpMMI); }

void CKWResizeDialog::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  Resize();
}
