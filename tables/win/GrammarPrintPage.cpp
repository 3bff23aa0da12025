#include "tables/win/GrammarPrintPage.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/CScrollView.h"
#include "classlib/win/WindowDCs.h"
#include "tables/win/GrammarPrinting.h"

namespace {
constexpr COLORREF kPreviewFrame = 0xA4A0A0;
}  // namespace

bool BeginGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                           CScrollView* pView, const CFontInfo& screenFont,
                           GrammarPrintPage& page) {
  const PrinterPage printer = ReadPrinterPage(pDC);
  CSize total = pView->GetTotalSize();
  page.layout = ComputeGrammarPrintLayout(settings, printer, total.cx, total.cy);
  if (page.layout.scale <= 0) return false;
  page.printable = CRect(page.layout.printable);
  if (pInfo->m_bPreview) {
    CBrush frame(kPreviewFrame);
    pDC->FrameRect(&page.printable, &frame);
  }
  page.hebrewFont.SetScaled(
      pDC, screenFont.GetFaceName(), screenFont.GetPointSize(), screenFont.GetStyle(),
      page.layout.scale * CClientDC(pView).GetDeviceCaps(LOGPIXELSY) / printer.dpiY);
  page.hebrewFont.MeasureMetrics(pDC);
  page.hebrewFont.MeasureCharWidths(pDC);
  LOGFONT logFont = {};
  pView->GetFont()->GetLogFont(&logFont);
  logFont.lfHeight = static_cast<LONG>(logFont.lfHeight * page.layout.scale);
  page.labelFont.CreateFontIndirect(&logFont);
  page.englishFont.SetFromLogFont(pDC, logFont);
  return true;
}
