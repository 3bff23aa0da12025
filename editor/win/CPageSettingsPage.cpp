#include "editor/win/CPageSettingsPage.h"

#include <cstdlib>

#include "editor/win/CPageSettings.h"
#include "hebtext/core/EditValidation.h"
#include "hebtext/core/MeasureUnits.h"
#include "hebtext/win/EditFieldHelpers.h"

namespace {

constexpr UINT kMeasureFlags = kEditAllowDigits | kEditAllowOnePunct | kEditAllowUnitSuffix;
// The spins have no buddy: they sit mid-range so that both arrows always
// report, and the page steps the text itself.
constexpr int kSpinRange = 100;

}  // namespace

CPageSettingsPage::CPageSettingsPage(UINT nIDTemplate, CPageSettings& sheet)
    : CPropertyPage(nIDTemplate), m_sheet(sheet) {}

PageSettingsValues& CPageSettingsPage::Values() { return m_sheet.Values(); }

BOOL CPageSettingsPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  for (const MeasureField* f = Fields(); f->edit != 0; f++) {
    HWND hSpin = ::GetDlgItem(m_hWnd, f->spin);
    ::SendMessageA(hSpin, UDM_SETRANGE32, 0, kSpinRange);
    ::SendMessageA(hSpin, UDM_SETPOS32, 0, kSpinRange / 2);
  }
  Fill();
  return TRUE;
}

BOOL CPageSettingsPage::OnSetActive() {
  m_sheet.RememberActivePage(m_sheet.GetPageIndex(this));
  // The unit may have changed on another page.
  if (m_hWnd != nullptr) Fill();
  return CPropertyPage::OnSetActive();
}

void CPageSettingsPage::FocusEdit(int editId) {
  HWND hEdit = ::GetDlgItem(m_hWnd, editId);
  ::SetFocus(hEdit);
  ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
}

void CPageSettingsPage::ShowText(int editId, LPCSTR text) {
  m_bFilling = TRUE;
  SetDlgItemText(editId, text);
  m_bFilling = FALSE;
  m_previousText[editId] = text;
}

void CPageSettingsPage::ShowMeasure(int editId, double value) {
  CString text;
  FormatMeasure(text, value, Values().unit);
  ShowText(editId, text);
}

const CPageSettingsPage::MeasureField* CPageSettingsPage::FieldOfEdit(int editId) const {
  for (const MeasureField* f = Fields(); f->edit != 0; f++)
    if (f->edit == editId) return f;
  return nullptr;
}

const CPageSettingsPage::MeasureField* CPageSettingsPage::FieldOfSpin(int spinId) const {
  for (const MeasureField* f = Fields(); f->edit != 0; f++)
    if (f->spin == spinId) return f;
  return nullptr;
}

BOOL CPageSettingsPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) == EN_CHANGE && FieldOfEdit(id) != nullptr) {
    if (m_bFilling) return TRUE;
    CString text;
    if (ValidateNumericEdit(this, id, kMeasureFlags, m_previousText[id], text))
      OnMeasureTyped(id, atof(text));
    return TRUE;
  }
  return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CPageSettingsPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  const MeasureField* field = FieldOfSpin(static_cast<int>(header->idFrom));
  if (header->code != UDN_DELTAPOS || field == nullptr)
    return CPropertyPage::OnNotify(wParam, lParam, pResult);
  const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
  const SpinRange range = RangeOf(field->edit);
  CString text;
  GetDlgItemText(field->edit, text);
  // Written as typed text, so that the value is taken as typing takes it.
  if (SpinMeasureText(text, change->iDelta > 0 ? 1 : 0, range.step, range.minimum, range.maximum,
                      Values().unit))
    SetDlgItemText(field->edit, text);
  *pResult = 1;  // the spin keeps its middle position
  return TRUE;
}
