// The view's Colors, Columns, Extra Line Spacing and Extra Inter-Word
// Spacing commands: each opens its dialog on the current values of the
// selection, caret paragraph or page, and has the document apply what was
// chosen.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/ColumnBounds.h"
#include "editor/win/CChangeColorsDlg.h"
#include "editor/win/CColumnsDlg.h"
#include "editor/win/CExtraSpacingDlgs.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"

int CZultaEditView::RunColorsDialog(const COLORREF* pGivenText, BOOL bBackDisabled,
                                    COLORREF& chosenText) {
  CZultaEditDoc* pDoc = GetDocument();
  COLORREF text, back;
  DocCharNode *first, *last;
  pDoc->GetSelectionColors(text, back, first, last);
  if (pGivenText != nullptr) text = *pGivenText;
  LOGFONT sampleFont;
  pDoc->GetCaretLogFont(this, sampleFont);
  CChangeColorsDlg dlg(text, back, sampleFont, bBackDisabled, this);
  if (dlg.DoModal() != IDOK) return 0;
  chosenText = dlg.m_text;
  if (dlg.m_text != text || dlg.m_back != back)
    pDoc->ApplyColors(this, dlg.m_text, dlg.m_back, first, last);
  return 1;
}

void CZultaEditView::OnFormatColors() {
  if (!IsLaidOut()) return;
  COLORREF chosenText;
  RunColorsDialog(nullptr, FALSE, chosenText);
}

void CZultaEditView::OnFormatColumns() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  DocFormatting formatting = pDoc->Formatting();
  const ColumnPageMeasure page = GetColumnPageMeasure(formatting.GetCaretPageLayout()->settings);
  const DocColumnSettings current = formatting.GetColumnSettings();
  int screenPixelsPerInch;
  {
    CClientDC dc(this);
    screenPixelsPerInch = dc.GetDeviceCaps(LOGPIXELSX);
  }
  CColumnsDlg dlg(this);
  dlg.m_count = current.count;
  dlg.m_gutter = GutterPixelsToMeasure(current.gapPixels, page, screenPixelsPerInch);
  dlg.m_unit = page.unit;
  dlg.m_available = page.available;
  if (dlg.DoModal() != IDOK) return;
  const int gapPixels = GutterMeasureToPixels(dlg.m_gutter, page, screenPixelsPerInch);
  pDoc->SetColumns(this, dlg.m_count, gapPixels, dlg.m_gutter, dlg.m_unit);
}

void CZultaEditView::OnFormatLineSpacing() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  CExtraLineSpacingDlg dlg(this);
  dlg.m_value = pDoc->Formatting().GetExtraLineSpacing();
  const int current = dlg.m_value;
  if (dlg.DoModal() == IDOK && dlg.m_value != current)
    pDoc->SetExtraLineSpacing(this, static_cast<WORD>(dlg.m_value));
}

void CZultaEditView::OnFormatWordSpacing() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  // Extra word space widens blanks: a selection without one has nothing to widen.
  if (!pDoc->Formatting().SelectionHasBlank()) return;
  CExtraWordSpacingDlg dlg(this);
  dlg.m_value = pDoc->Formatting().GetExtraWordSpacing();
  const int current = dlg.m_value;
  if (dlg.DoModal() == IDOK && dlg.m_value != current)
    pDoc->SetExtraWordSpacing(this, static_cast<WORD>(dlg.m_value));
}

void CZultaEditView::OnUpdateFormatWordSpacing(CCmdUI* pCmdUI) {
  if (!CanFormat(pCmdUI)) return;
  if (!GetDocument()->Formatting().SelectionHasBlank()) pCmdUI->Enable(FALSE);
}
