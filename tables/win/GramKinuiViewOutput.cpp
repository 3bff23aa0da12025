// What leaves the suffix table on paper: the table with its labels, the
// header under the printed title, and the verb's meaning, scaled to the
// page of the view's own page settings.
#include "classlib/win/CBrush.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/WindowDCs.h"
#include "editor/win/PagePrinter.h"
#include "hebtext/win/CFontInfo.h"
#include "resources/KinuiTableIds.h"
#include "tables/win/GramKinuiView.h"
#include "tables/win/GrammarPrinting.h"

namespace {

constexpr COLORREF kPreviewFrame = RGB(160, 160, 164);
constexpr COLORREF kMeaningInk = RGB(0, 0, 0);
// Marks the meaning's keywords for the definition window; not printed.
constexpr char kKeywordMark = '&';

}  // namespace

void CGramKinuiView::OnPrintPreviewSheet() {
  RunGrammarPrintSheet(this, m_pageSettings, m_bPageSettingsTaken);
}

BOOL CGramKinuiView::OnPreparePrinting(CPrintInfo* pInfo) {
  if (!m_bTableShown) return FALSE;
  pInfo->SetMinPage(1);
  pInfo->SetMaxPage(1);
  return PrinterSetup(pInfo, &m_pageSettings);
}

void CGramKinuiView::OnBeginPrinting(CDC*, CPrintInfo* pInfo) { pInfo->SetMaxPage(1); }

void CGramKinuiView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  CFontInfo* pScreenFont = FormFont();
  if (pScreenFont == nullptr) return;
  const PrinterPage printer = ReadPrinterPage(pDC);
  const CSize total = GetTotalSize();
  const GrammarPrintLayout layout =
      ComputeGrammarPrintLayout(m_pageSettings, printer, total.cx, total.cy);
  if (layout.scale <= 0) return;
  const CRect printable(layout.printable);
  if (pInfo->m_bPreview) {
    CBrush frame(kPreviewFrame);
    pDC->FrameRect(&printable, &frame);
  }
  CFontInfo printFont;
  printFont.SetScaled(pDC, pScreenFont->GetFaceName(), pScreenFont->GetPointSize(),
                      pScreenFont->GetStyle(),
                      layout.scale * CClientDC(this).GetDeviceCaps(LOGPIXELSY) / printer.dpiY);
  printFont.MeasureMetrics(pDC);
  printFont.MeasureCharWidths(pDC);
  const DrawTarget target{pDC, &printFont, layout.scale, printable.TopLeft(), true};
  for (int c = 0; c < kKinuiCells; ++c) DrawCell(target, c);

  // The labels and the meaning in the view's font, scaled to the page.
  LOGFONT logFont = {};
  GetFont()->GetLogFont(&logFont);
  logFont.lfHeight = static_cast<LONG>(logFont.lfHeight * layout.scale);
  CFont printedLabels;
  printedLabels.CreateFontIndirect(&logFont);
  CFont* pOld = pDC->SelectObject(&printedLabels);
  DrawLabels(target);
  CString meaning;
  GetDlgItemText(IDC_KINUI_MEANING, meaning);
  meaning.Remove(kKeywordMark);
  const CRect area = ControlRect(IDC_KINUI_MEANING);
  CRect page(static_cast<int>(area.left * layout.scale) + printable.left,
             static_cast<int>(area.top * layout.scale) + printable.top,
             static_cast<int>(area.right * layout.scale) + printable.left, printable.bottom);
  pDC->SetTextColor(kMeaningInk);
  pDC->DrawText(meaning, &page, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  pDC->SelectObject(pOld);
  DrawHeader(target);
}
