// The view's clipboard commands. With the focus in the view they run the
// document's cut, copy and paste; with the focus in another window (a
// Hebrew edit control of a toolbar or dialog) they go to that window.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "editor/core/DocClipboard.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/win/CCopySpecialDlg.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CPasteSpecialDlg.h"
#include "hebtext/win/ClipboardText.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"

namespace {

const char kUnableToReverse[] = "Unable to Reverse Text";
constexpr int kPasteRtfFormat = 1;  // the Paste Special dialog's text format for RTF

CHebEdit* FocusedHebEdit() {
  CWnd* pFocus = CWnd::FromHandlePermanent(::GetFocus());
  return pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CHebEdit))
             ? static_cast<CHebEdit*>(pFocus)
             : nullptr;
}

// What the clipboard holds for a paste. Of the two texts, only the one its
// source put there counts: the system makes the other from it, and Unicode
// made from 8-bit Hebrew is not Hebrew.
ClipboardOffer OfferedFormats(HWND hWnd) {
  ClipboardOffer offer;
  offer.rtf = ::IsClipboardFormatAvailable(GetRtfClipboardFormat());
  UINT placed = GetPlacedTextFormat(hWnd);
  offer.unicode = placed == CF_UNICODETEXT;
  offer.text = placed != 0;
  return offer;
}

void ForwardToFocus(UINT message, WPARAM wParam = 0) {
  HWND hFocus = ::GetFocus();
  if (hFocus != nullptr) ::SendMessage(hFocus, message, wParam, 0);
}

}  // namespace

BOOL CZultaEditView::CanCutOrCopy() const {
  if (CZultaEditDoc::IsSaveAsPending()) return FALSE;
  if (HasFocus()) return GetDocument()->Editor().HasSelection();
  CHebEdit* pEdit = FocusedHebEdit();
  return pEdit == nullptr || pEdit->HasSelection();
}

BOOL CZultaEditView::CanPaste() const {
  if (CZultaEditDoc::IsSaveAsPending()) return FALSE;
  if (HasFocus()) {
    ClipboardOffer offer = OfferedFormats(m_hWnd);
    return offer.rtf || offer.text;
  }
  if (FocusedHebEdit() == nullptr) return TRUE;
  return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_UNICODETEXT);
}

void CZultaEditView::OnUpdateCutOrCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(CanCutOrCopy()); }

void CZultaEditView::OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanPaste()); }

void CZultaEditView::OnEditCut() {
  if (HasFocus())
    GetDocument()->Cut(this);
  else
    ForwardToFocus(WM_CUT);
}

void CZultaEditView::OnEditCopy() {
  if (HasFocus())
    GetDocument()->CopySelectionToClipboard(kFilterNone, kForward, kVavThenHolam);
  else
    ForwardToFocus(WM_COPY);
}

void CZultaEditView::OnEditCopySpecial() {
  if (!HasFocus()) {
    ForwardToFocus(WM_COMMAND, ID_EDIT_COPY_SPECIAL);
    return;
  }
  CCopySpecialDlg dialog(this);
  if (dialog.DoModal() != IDOK) return;
  ClipboardTextOptions options = dialog.GetChosenOptions();
  GetDocument()->CopySelectionToClipboard(options.filter, options.direction, options.vavOrder);
}

void CZultaEditView::OnEditPaste() {
  if (!HasFocus()) {
    ForwardToFocus(WM_PASTE);
    return;
  }
  DocPasteText choice;
  if (!ChoosePasteFormat(OfferedFormats(m_hWnd), choice)) return;
  GetDocument()->Paste(this, choice.rtf, choice.options.filter, kForward, kVavThenHolam);
}

void CZultaEditView::OnEditPasteSpecial() {
  if (!HasFocus()) {
    ForwardToFocus(WM_COMMAND, ID_EDIT_PASTE_SPECIAL);
    return;
  }
  ClipboardOffer offer = OfferedFormats(m_hWnd);
  CPasteSpecialDlg dialog(this);
  dialog.m_rtfOffered = offer.rtf;
  dialog.m_plainTextOffered = offer.text;
  dialog.m_wideCharOffered = offer.unicode;
  if (dialog.DoModal() != IDOK) return;
  ClipboardTextOptions options = dialog.GetChosenOptions();
  GetDocument()->Paste(this, dialog.m_textFormat == kPasteRtfFormat, options.filter,
                       options.direction, options.vavOrder);
}

void CZultaEditView::OnEditReverseText() {
  if (!HasFocus()) {
    ForwardToFocus(WM_COMMAND, ID_EDIT_REVERSE_TEXT);
    return;
  }
  CZultaEditDoc* pDoc = GetDocument();
  if (!pDoc->CopySelectionToClipboard(kFilterNone, kReverse, kVavThenHolam)) return;
  ClipboardOffer offer = OfferedFormats(m_hWnd);
  if (offer.rtf || offer.text)
    pDoc->Paste(this, offer.rtf, kFilterNone, kForward, kVavThenHolam);
  else
    AfxMessageBox(kUnableToReverse, MB_OK | MB_ICONEXCLAMATION);
}

void CZultaEditView::OnEditSelectAll() { GetDocument()->SelectAll(this); }

void CZultaEditView::OnUpdateSelectAll(CCmdUI* pCmdUI) { OnUpdateSaveAsRule(pCmdUI); }
