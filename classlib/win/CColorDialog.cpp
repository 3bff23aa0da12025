#include "classlib/win/CColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

// White until the user picks custom colours.
COLORREF CColorDialog::c_CustColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
  m_cc.lStructSize = sizeof m_cc;
  m_cc.lpCustColors = c_CustColors;
  m_cc.Flags = dwFlags;
  m_cc.rgbResult = clrInit;
  if (clrInit != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
  m_cc.hwndOwner = AfxGetModalOwner(m_pParentWnd);
  return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
