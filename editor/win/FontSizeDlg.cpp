#include "editor/win/FontSizeDlg.h"

CFontSizeDlg::CFontSizeDlg(CWnd* pParent) : CFontSampleDlg(IDD, pParent) {}

BOOL CFontSizeDlg::OnInitDialog() {
  CFontSampleDlg::OnInitDialog();
  FillSizeCombo();
  return TRUE;
}

BOOL CFontSizeDlg::ReadFontControls() {
  const WORD size = TypedSize();
  if (size == 0) return FALSE;
  m_font.size = size;
  return TRUE;
}
