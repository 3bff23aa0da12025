#include "hebtext/win/EditFieldHelpers.h"

#include "classlib/win/CComboBox.h"
#include "classlib/win/CDialog.h"
#include "hebtext/core/EditValidation.h"
#include "hebtext/core/ScrollIntoView.h"

namespace {

void PlaceCaret(HWND hEdit, int position) {
  ::SendMessageA(hEdit, EM_SETSEL, position, position);
  ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

BOOL ValidateNumericEdit(CDialog* pDialog, int editId, UINT flags, CString& previousText,
                         CString& currentText) {
  HWND hEdit = ::GetDlgItem(pDialog->GetSafeHwnd(), editId);
  // Only this field: the others may be half typed.
  pDialog->GetDlgItemText(editId, currentText);
  DWORD selectionStart = 0;
  ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
  if (!ValidateEditText(currentText, flags)) {
    currentText = previousText;
    ::SetWindowTextA(hEdit, previousText);
    PlaceCaret(hEdit, selectionStart > 0 ? static_cast<int>(selectionStart) - 1 : 0);
    return FALSE;
  }
  if (flags & kEditUpperCase) {
    CString upper = currentText;
    upper.MakeUpper();
    if (upper.Compare(currentText) != 0) {
      currentText = upper;
      ::SetWindowTextA(hEdit, currentText);
      PlaceCaret(hEdit, static_cast<int>(selectionStart));
    }
  }
  previousText = currentText;
  return TRUE;
}

void FillComboFromStrings(const CStringArray& strings, CComboBox* pCombo) {
  for (int i = 0; i < strings.GetSize(); ++i) pCombo->AddString(strings[i]);
}

void ScrollRectIntoView(CWnd* pWnd, RECT& visible, const RECT& target) {
  POINT position = ScrollPositionToShow(visible, target);
  LONG dx = position.x - visible.left;
  LONG dy = position.y - visible.top;
  if (dx == 0 && dy == 0) return;
  ::OffsetRect(&visible, dx, dy);
  pWnd->ScrollWindow(-dx, -dy);
  pWnd->UpdateWindow();
}
