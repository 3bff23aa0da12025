// The view's formatting commands: the style and justification buttons with
// their check marks, and the Editor toolbar's typeface, size and colour
// boxes, applied to the selection and kept in step with the caret.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "editor/core/DocFormatting.h"
#include "editor/core/FontSizeBox.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "resources/MainFrameIds.h"

namespace {

constexpr int kTextLength = 256;

UINT StyleOfCommand(UINT nID) { return 1u << (nID - ID_FORMAT_BOLD); }
UINT JustificationOfCommand(UINT nID) { return nID - ID_FORMAT_ALIGN_LEFT; }

// The toolbar box with that id; null when the main window has none.
HWND FindToolbarBox(int nID) {
  CWnd* pMain = AfxGetMainWnd();
  CWnd* pBox = pMain != nullptr ? pMain->GetDescendantWindow(nID) : nullptr;
  return pBox != nullptr ? pBox->m_hWnd : nullptr;
}

// Whether the focus is in the box or in its edit field.
BOOL BoxHasFocus(HWND hBox) {
  HWND focus = ::GetFocus();
  return focus != nullptr && (focus == hBox || ::IsChild(hBox, focus));
}

CString BoxItemText(HWND hBox, int index) {
  char text[kTextLength] = "";
  if (index >= 0 && ::SendMessageA(hBox, CB_GETLBTEXTLEN, index, 0) < kTextLength)
    ::SendMessageA(hBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

int BoxSelection(HWND hBox) { return static_cast<int>(::SendMessageA(hBox, CB_GETCURSEL, 0, 0)); }

void SelectBoxEntry(HWND hBox, int index) {
  if (BoxSelection(hBox) != index) ::SendMessageA(hBox, CB_SETCURSEL, index, 0);
}

// The face and size of the caret's font: the first selected character's,
// or what the next typed character takes.
void GetCaretFont(CZultaEditDoc* pDoc, CString& face, WORD& size) {
  UINT style;
  DocCharNode *first, *last;
  pDoc->GetSelectionFont(face, size, style, first, last);
}

void BoxEntries(HWND hBox, CStringArray& entries) {
  const int count = static_cast<int>(::SendMessageA(hBox, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; i++) entries.Add(BoxItemText(hBox, i));
}

}  // namespace

BOOL CZultaEditView::CanFormat(CCmdUI* pCmdUI) {
  OnUpdateSaveAsRule(pCmdUI);
  return IsLaidOut();
}

// ---- Style and justification.

void CZultaEditView::OnFormatStyle(UINT nID) {
  if (IsLaidOut()) GetDocument()->ToggleStyle(this, StyleOfCommand(nID));
}

void CZultaEditView::OnUpdateFormatStyle(CCmdUI* pCmdUI) {
  if (!CanFormat(pCmdUI)) return;
  pCmdUI->SetCheck(GetDocument()->Formatting().IsStyleChecked(StyleOfCommand(pCmdUI->m_nID)));
}

void CZultaEditView::OnJustify(UINT nID) {
  if (IsLaidOut()) GetDocument()->SetJustification(this, JustificationOfCommand(nID));
}

void CZultaEditView::OnUpdateJustify(CCmdUI* pCmdUI) {
  if (!CanFormat(pCmdUI)) return;
  pCmdUI->SetCheck(
      GetDocument()->Formatting().IsJustifyChecked(JustificationOfCommand(pCmdUI->m_nID)));
}

// ---- The Editor toolbar's boxes.

void CZultaEditView::OnTypefaceBoxChosen() {
  HWND hBox = FindToolbarBox(IDC_TYPEFACE_COMBO);
  if (hBox == nullptr || !IsLaidOut()) return;
  CString face = BoxItemText(hBox, BoxSelection(hBox));
  if (!face.IsEmpty()) GetDocument()->ApplyTypeface(this, face);
  SetFocus();
}

void CZultaEditView::OnSizeBoxChosen() {
  HWND hBox = FindToolbarBox(IDC_SIZE_COMBO);
  if (hBox == nullptr || !IsLaidOut()) return;
  const WORD size = ParseTypedFontSize(BoxItemText(hBox, BoxSelection(hBox)));
  if (size != 0) GetDocument()->ApplyFontSize(this, size);
  SetFocus();
}

// Enter in the size box's edit field: a size not listed yet joins the list
// in its place.
void CZultaEditView::OnSizeTyped() {
  HWND hBox = FindToolbarBox(IDC_SIZE_COMBO);
  if (hBox == nullptr || !IsLaidOut()) return;
  char text[kTextLength] = "";
  ::GetWindowTextA(hBox, text, kTextLength);
  const WORD size = ParseTypedFontSize(text);
  if (size != 0) {
    CStringArray entries;
    BoxEntries(hBox, entries);
    int index = FindFontSizeBoxEntry(entries, size);
    if (index < 0) {
      index = FontSizeBoxInsertIndex(entries, size);
      ::SendMessageA(hBox, CB_INSERTSTRING, index,
                     reinterpret_cast<LPARAM>(static_cast<LPCSTR>(FontSizeBoxText(size))));
    }
    SelectBoxEntry(hBox, index);
    GetDocument()->ApplyFontSize(this, size);
  }
  SetFocus();
}

void CZultaEditView::OnColorBoxChosen() {
  HWND hBox = FindToolbarBox(IDC_COLOR_COMBO);
  if (hBox == nullptr || !IsLaidOut()) return;
  const int index = BoxSelection(hBox);
  const int count = static_cast<int>(::SendMessageA(hBox, CB_GETCOUNT, 0, 0));
  if (index >= 0 && index < count - 1) {
    m_nColorBoxEntry = index;
    const auto color = static_cast<COLORREF>(::SendMessageA(hBox, CB_GETITEMDATA, index, 0));
    GetDocument()->ApplyColors(this, color, kKeepBackColor);
  } else {
    // The last entry opens the colour dialog on its own colour, for the
    // text only; what was chosen becomes the entry's colour.
    const int last = count - 1;
    const auto given = static_cast<COLORREF>(::SendMessageA(hBox, CB_GETITEMDATA, last, 0));
    COLORREF chosen;
    if (last >= 0 && RunColorsDialog(&given, TRUE, chosen)) {
      ::SendMessageA(hBox, CB_SETITEMDATA, last, static_cast<LPARAM>(chosen));
      m_nColorBoxEntry = last;
      ::InvalidateRect(hBox, nullptr, TRUE);
    }
    SelectBoxEntry(hBox, m_nColorBoxEntry);
  }
  SetFocus();
}

// The box an update handler refreshes from the caret; null while the box
// is the user's (it has the focus) or the document cannot format.
HWND CZultaEditView::BoxToRefresh(CCmdUI* pCmdUI) {
  if (!CanFormat(pCmdUI) || pCmdUI->m_pOther == nullptr) return nullptr;
  HWND hBox = pCmdUI->m_pOther->m_hWnd;
  return BoxHasFocus(hBox) ? nullptr : hBox;
}

void CZultaEditView::OnUpdateTypefaceBox(CCmdUI* pCmdUI) {
  HWND hBox = BoxToRefresh(pCmdUI);
  if (hBox == nullptr) return;
  CString face;
  WORD size;
  GetCaretFont(GetDocument(), face, size);
  const int index =
      static_cast<int>(::SendMessageA(hBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(static_cast<LPCSTR>(face))));
  if (index >= 0) SelectBoxEntry(hBox, index);
}

void CZultaEditView::OnUpdateSizeBox(CCmdUI* pCmdUI) {
  HWND hBox = BoxToRefresh(pCmdUI);
  if (hBox == nullptr) return;
  CString face;
  WORD size;
  GetCaretFont(GetDocument(), face, size);
  CStringArray entries;
  BoxEntries(hBox, entries);
  const int index = FindFontSizeBoxEntry(entries, size);
  SelectBoxEntry(hBox, index);
  if (index >= 0) return;
  const CString text = FontSizeBoxText(size);
  char shown[kTextLength] = "";
  ::GetWindowTextA(hBox, shown, kTextLength);
  if (text != shown) ::SetWindowTextA(hBox, text);
}

void CZultaEditView::OnUpdateColorBox(CCmdUI* pCmdUI) {
  HWND hBox = BoxToRefresh(pCmdUI);
  if (hBox == nullptr) return;
  COLORREF text, back;
  DocCharNode *first, *last;
  GetDocument()->GetSelectionColors(text, back, first, last);
  const int count = static_cast<int>(::SendMessageA(hBox, CB_GETCOUNT, 0, 0));
  if (count == 0) return;
  for (int i = 0; i < count - 1; i++) {
    if (static_cast<COLORREF>(::SendMessageA(hBox, CB_GETITEMDATA, i, 0)) == text) {
      SelectBoxEntry(hBox, i);
      return;
    }
  }
  // The last entry shows a colour no other entry has.
  if (static_cast<COLORREF>(::SendMessageA(hBox, CB_GETITEMDATA, count - 1, 0)) != text) {
    ::SendMessageA(hBox, CB_SETITEMDATA, count - 1, static_cast<LPARAM>(text));
    ::InvalidateRect(hBox, nullptr, TRUE);
  }
  SelectBoxEntry(hBox, count - 1);
}
