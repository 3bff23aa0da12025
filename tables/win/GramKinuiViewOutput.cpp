// What leaves the suffix table on paper: the table with its labels, the
// header under the printed title, and the verb's meaning, scaled to the
// page of the view's own page settings.
#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/PagePrinter.h"
#include "hebtext/win/CFontInfo.h"
#include "resources/KinuiTableIds.h"
#include "tables/win/GramKinuiView.h"
#include "tables/win/GrammarPrinting.h"

namespace {

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
  GrammarPrintPage page;
  if (!BeginGrammarPrintPage(pDC, pInfo, m_pageSettings, this, *pScreenFont, page)) return;
  const GrammarPrintLayout& layout = page.layout;
  const CRect& printable = page.printable;
  const DrawTarget target{pDC, &page.hebrewFont, layout.scale, printable.TopLeft(), true};
  for (int c = 0; c < kKinuiCells; ++c) DrawCell(target, c);

  // The labels and the meaning in the view's font, scaled to the page.
  CFont* pOld = pDC->SelectObject(&page.labelFont);
  DrawLabels(target);
  CString meaning;
  GetDlgItemText(IDC_KINUI_MEANING, meaning);
  meaning.Remove(kKeywordMark);
  const CRect area = ControlRect(IDC_KINUI_MEANING);
  CRect meaningRect(static_cast<int>(area.left * layout.scale) + printable.left,
                    static_cast<int>(area.top * layout.scale) + printable.top,
                    static_cast<int>(area.right * layout.scale) + printable.left, printable.bottom);
  pDC->SetTextColor(kMeaningInk);
  pDC->DrawText(meaning, &meaningRect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  pDC->SelectObject(pOld);
  DrawHeader(target);
}
