#include "editor/win/CColumnsDlg.h"

#include <commctrl.h>

#include <cstdlib>

#include "classlib/win/CDataExchange.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "editor/core/ColumnBounds.h"
#include "hebtext/core/EditValidation.h"
#include "hebtext/core/MeasureUnits.h"
#include "hebtext/win/EditFieldHelpers.h"
#include "resources/ColorDialogIds.h"

namespace {

const int kCountRadios[] = {IDC_COLUMNS_NONE, IDC_COLUMNS_2, IDC_COLUMNS_3, IDC_COLUMNS_4};
constexpr int kMaxColumns = 4;
// A decimal number, with the unit the dialog writes after it.
constexpr UINT kGutterChars = kEditAllowDigits | kEditAllowOnePunct | kEditAllowUnitSuffix;
// The spin's own position stays put in the middle of a range it never
// reaches, so that both arrows always report.
constexpr int kSpinRange = 100;

}  // namespace

BEGIN_MESSAGE_MAP(CColumnsDlg, CDialog)
  ON_BN_CLICKED(IDC_COLUMNS_NONE, OnCountNone)
  ON_BN_CLICKED(IDC_COLUMNS_2, OnCount2)
  ON_BN_CLICKED(IDC_COLUMNS_3, OnCount3)
  ON_BN_CLICKED(IDC_COLUMNS_4, OnCount4)
  ON_EN_CHANGE(IDC_SPACING_VALUE, OnGutterChange)
  ON_NOTIFY(UDN_DELTAPOS, IDC_SPACING_SPIN, OnGutterSpin)
END_MESSAGE_MAP()

CColumnsDlg::CColumnsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CColumnsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_SPACING_VALUE, m_gutterText);
}

BOOL CColumnsDlg::OnInitDialog() {
  m_bUpdating = TRUE;
  FormatMeasure(m_gutterText, m_gutter, m_unit);
  m_lastGutterText = m_gutterText;
  CDialog::OnInitDialog();
  if (m_count < 1 || m_count > kMaxColumns) m_count = 1;
  ::CheckRadioButton(m_hWnd, IDC_COLUMNS_NONE, IDC_COLUMNS_4, kCountRadios[m_count - 1]);
  HWND hSpin = ::GetDlgItem(m_hWnd, IDC_SPACING_SPIN);
  ::SendMessageA(hSpin, UDM_SETRANGE32, 0, kSpinRange);
  ::SendMessageA(hSpin, UDM_SETPOS32, 0, kSpinRange / 2);
  EnableGutter();
  for (int count = 2; count <= kMaxColumns; count++)
    if (!ColumnCountFits(count, m_available, m_unit))
      ::EnableWindow(::GetDlgItem(m_hWnd, kCountRadios[count - 1]), FALSE);
  m_bUpdating = FALSE;
  return TRUE;
}

void CColumnsDlg::EnableGutter() {
  for (int id : {IDC_SPACING_VALUE, IDC_SPACING_SPIN})
    ::EnableWindow(::GetDlgItem(m_hWnd, id), m_count > 1);
}

void CColumnsDlg::ShowGutter() {
  m_bUpdating = TRUE;
  FormatMeasure(m_gutterText, m_gutter, m_unit);
  m_lastGutterText = m_gutterText;
  SetDlgItemText(IDC_SPACING_VALUE, m_gutterText);
  m_bUpdating = FALSE;
}

void CColumnsDlg::ChooseCount(int count) {
  m_count = count;
  EnableGutter();
  m_gutter = FitGutterToCount(count, m_gutter, m_available, m_unit);
  ShowGutter();
}

void CColumnsDlg::OnCountNone() { ChooseCount(1); }
void CColumnsDlg::OnCount2() { ChooseCount(2); }
void CColumnsDlg::OnCount3() { ChooseCount(3); }
void CColumnsDlg::OnCount4() { ChooseCount(4); }

void CColumnsDlg::OnGutterChange() {
  if (m_bUpdating) return;
  CString text;
  // A refused text is put back, which comes here again: that change is ours.
  m_bUpdating = TRUE;
  const BOOL valid = ValidateNumericEdit(this, IDC_SPACING_VALUE, kGutterChars, m_lastGutterText,
                                         text);
  m_bUpdating = FALSE;
  m_gutterText = text;
  if (valid) m_gutter = std::atof(text);
}

void CColumnsDlg::OnGutterSpin(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
  *pResult = 1;  // the spin's position stays
  if (m_count <= 1) return;
  CString text;
  GetDlgItemText(IDC_SPACING_VALUE, text);
  const ColumnGutterBounds bounds = GetColumnGutterBounds(m_count, m_available, m_unit);
  if (!SpinMeasureText(text, pUpDown->iDelta > 0 ? 1 : -1, ColumnGutterStep(m_unit),
                       bounds.minimum, bounds.maximum, m_unit))
    return;
  m_gutter = std::atof(text);
  ShowGutter();
}

void CColumnsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_gutter = std::atof(m_gutterText);
  if (IsGutterInBounds(m_count, m_gutter, m_available, m_unit)) {
    EndDialog(IDOK);
    return;
  }
  AfxMessageBox(ColumnGutterBoundsMessage(m_count, m_available, m_unit));
  m_gutter = GetColumnGutterBounds(m_count, m_available, m_unit).minimum;
  ShowGutter();
  HWND hEdit = ::GetDlgItem(m_hWnd, IDC_SPACING_VALUE);
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hEdit), TRUE);
  ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
  ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
}
