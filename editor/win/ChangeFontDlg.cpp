#include "editor/win/ChangeFontDlg.h"

#include "editor/core/FontStyleNames.h"
#include "editor/win/FontStyleCombo.h"
#include "hebtext/core/Preferences.h"
#include "resources/FontDialogIds.h"

BEGIN_MESSAGE_MAP(CChangeFontDlg, CFontSampleDlg)
  ON_BN_CLICKED(IDC_FONT_DEFAULT_BUTTON, OnUseAsDefault)
END_MESSAGE_MAP()

CChangeFontDlg::CChangeFontDlg(Purpose purpose, CWnd* pParent)
    : CFontSampleDlg(IDD, pParent), m_purpose(purpose) {}

BOOL CChangeFontDlg::OnInitDialog() {
  CFontSampleDlg::OnInitDialog();
  FillFaceCombo(IsHebrew());
  FillSizeCombo();
  FillFontStyleCombo(this, 0);
  SelectComboText(IDC_FONT_STYLE_COMBO, StyleIndexToName(m_font.style));
  const char* side = IsHebrew() ? "Hebrew" : "English";
  CString text;
  HWND hDefault = ::GetDlgItem(m_hWnd, IDC_FONT_DEFAULT_BUTTON);
  if (ChoosesDefault()) {
    ::ShowWindow(hDefault, SW_HIDE);
    ::EnableWindow(hDefault, FALSE);
    text.Format("Select Font for %s Default", side);
    SetWindowText(text);
  } else {
    text.Format("Use Selected Font for %s &Default", side);
    ::SetWindowTextA(hDefault, text);
  }
  return TRUE;
}

BOOL CChangeFontDlg::ReadFontControls() {
  m_font.face = ChosenFace();
  m_font.style = StyleNameToIndex(ComboText(IDC_FONT_STYLE_COMBO));
  const WORD size = TypedSize();
  if (size == 0) return FALSE;
  m_font.size = size;
  return TRUE;
}

void CChangeFontDlg::EnableConfirm(BOOL enable) {
  CFontSampleDlg::EnableConfirm(enable);
  if (!ChoosesDefault()) ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FONT_DEFAULT_BUTTON), enable);
}

// Stores the chosen font as the side's default; the dialog stays open.
void CChangeFontDlg::OnUseAsDefault() {
  if (!ReadFontControls()) return;
  SaveEditorFonts(m_font.face, m_font.size, static_cast<BYTE>(m_font.style), IsHebrew());
}
