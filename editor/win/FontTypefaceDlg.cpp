#include "editor/win/FontTypefaceDlg.h"

CFontTypefaceDlg::CFontTypefaceDlg(BOOL hebrew, CWnd* pParent)
    : CFontSampleDlg(IDD, pParent), m_bHebrew(hebrew) {}

BOOL CFontTypefaceDlg::OnInitDialog() {
  CFontSampleDlg::OnInitDialog();
  FillFaceCombo(m_bHebrew);
  return TRUE;
}

BOOL CFontTypefaceDlg::ReadFontControls() {
  m_font.face = ChosenFace();
  return TRUE;
}
