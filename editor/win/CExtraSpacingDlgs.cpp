#include "editor/win/CExtraSpacingDlgs.h"

#include <commctrl.h>

#include <cstdlib>

#include "resources/ColorDialogIds.h"

BOOL CSpacingValueDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  HWND hSpin = ::GetDlgItem(m_hWnd, IDC_SPACING_SPIN);
  ::SendMessageA(hSpin, UDM_SETRANGE32, 0, m_maximum);
  ::SendMessageA(hSpin, UDM_SETPOS32, 0, m_value);
  return TRUE;
}

void CSpacingValueDlg::OnOK() {
  // The spin reads its field; a typed number beyond the range counts as
  // the range's end rather than as something else.
  BOOL error = FALSE;
  int value = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_SPACING_SPIN, UDM_GETPOS32, 0,
                                                    reinterpret_cast<LPARAM>(&error)));
  if (error) {
    char text[16] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_SPACING_VALUE, text, sizeof text);
    if (text[0] != '\0' && std::atoi(text) > m_maximum) value = m_maximum;
  }
  m_value = value < 0 ? 0 : value > m_maximum ? m_maximum : value;
  EndDialog(IDOK);
}
