// The view's font dialogs: Font, Font Typeface and Font Size on the
// selection's font, and Switch Font back to another font the side uses.
#include "classlib/win/CCmdUI.h"
#include "editor/core/DocTextModel.h"
#include "editor/core/SwitchFontList.h"
#include "editor/win/ChangeFontDlg.h"
#include "editor/win/FontSizeDlg.h"
#include "editor/win/FontTypefaceDlg.h"
#include "editor/win/SwitchFontDlg.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"

namespace {

constexpr int kHebrewSide = 1;

// The font of the selection's first character, or the one the next typed
// character takes, with the selection's ends (null without one).
struct SelectionFont {
  FontChoice font;
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  BOOL hebrew = FALSE;
};

SelectionFont GetSelectionFont(CZultaEditDoc* pDoc) {
  SelectionFont s;
  pDoc->GetSelectionFont(s.font.face, s.font.size, s.font.style, s.first, s.last);
  s.hebrew = pDoc->Model().GetCurrentSide() == kHebrewSide;
  return s;
}

// The fonts the active side uses besides the caret's.
struct UsedFonts {
  CStringArray names;
  CDWordArray keys;
  DWORD caretKey = 0;
  int remembered = -1;
  int count = 0;
};

}  // namespace

void CZultaEditView::OnFormatFont() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  const SelectionFont current = GetSelectionFont(pDoc);
  CChangeFontDlg dlg(
      current.hebrew ? CChangeFontDlg::kHebrewSelection : CChangeFontDlg::kEnglishSelection, this);
  dlg.m_font = current.font;
  if (dlg.DoModal() != IDOK || IsSameFont(dlg.m_font, current.font)) return;
  pDoc->ApplyFont(this, dlg.m_font.face, dlg.m_font.size, dlg.m_font.style, current.first,
                  current.last);
}

void CZultaEditView::OnFormatTypeface() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  const SelectionFont current = GetSelectionFont(pDoc);
  CFontTypefaceDlg dlg(current.hebrew, this);
  dlg.m_font = current.font;
  if (dlg.DoModal() != IDOK || IsSameFace(dlg.m_font.face, current.font.face)) return;
  pDoc->ApplyTypeface(this, dlg.m_font.face, current.first, current.last);
}

void CZultaEditView::OnFormatFontSize() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  const SelectionFont current = GetSelectionFont(pDoc);
  CFontSizeDlg dlg(this);
  dlg.m_font = current.font;
  if (dlg.DoModal() != IDOK || dlg.m_font.size == current.font.size) return;
  pDoc->ApplyFontSize(this, dlg.m_font.size, current.first, current.last);
}

void CZultaEditView::OnFormatSwitchFont() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  DocTextModel& model = pDoc->Model();
  UsedFonts used;
  used.count = model.ListUsedFonts(used.names, used.keys, used.caretKey, used.remembered, FALSE);
  if (used.count == 0) return;
  FontChoice font;
  if (used.count == 1) {
    // The only other font: switched to at once (the list remembered the
    // caret's font).
    CString columns[kSwitchFontColumns];
    SplitSwitchFontEntry(used.names[0], columns);
    font = ReadSwitchFontEntry(columns);
  } else {
    CSwitchFontDlg dlg(this);
    dlg.m_entries.Copy(used.names);
    dlg.m_nSelected = used.remembered >= 0 ? used.remembered : 0;
    if (dlg.DoModal() != IDOK) return;
    model.SetSwitchFontKey(used.caretKey);
    font = dlg.m_font;
  }
  pDoc->ApplyFont(this, font.face, font.size, font.style);
}

void CZultaEditView::OnUpdateFormatSwitchFont(CCmdUI* pCmdUI) {
  if (!CanFormat(pCmdUI)) return;
  UsedFonts used;
  used.count = GetDocument()->Model().ListUsedFonts(used.names, used.keys, used.caretKey,
                                                    used.remembered, TRUE);
  // Enabled by the Save-As rule only while there is another font.
  if (used.count == 0) pCmdUI->Enable(FALSE);
  pCmdUI->SetText(
      SwitchFontMenuText(used.count == 1 ? static_cast<LPCSTR>(used.names[0]) : nullptr));
}
