#include "classlib/win/CFontDialog.h"

#include "classlib/win/CDC.h"

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, CDC* pdcPrinter,
                         CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
  m_cf.lStructSize = sizeof m_cf;
  m_cf.lpLogFont = &m_lf;
  m_cf.Flags = dwFlags;
  if (lplfInitial != nullptr) {
    m_lf = *lplfInitial;
    m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
  }
  if (pdcPrinter != nullptr) {
    m_cf.hDC = pdcPrinter->m_hDC;
    m_cf.Flags |= CF_PRINTERFONTS;
  }
}

INT_PTR CFontDialog::DoModal() {
  m_cf.hwndOwner = AfxGetModalOwner(m_pParentWnd);
  return ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}
