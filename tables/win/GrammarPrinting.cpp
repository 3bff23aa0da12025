#include "tables/win/GrammarPrinting.h"

#include "classlib/win/AfxRes.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/CScrollView.h"
#include "classlib/win/WindowDCs.h"
#include "editor/win/CPageSettings.h"
#include "resources/PageSettingsIds.h"

namespace {
constexpr COLORREF kPreviewFrame = 0xA4A0A0;
}  // namespace

PrinterPage ReadPrinterPage(CDC* pDC) {
  PrinterPage printer;
  printer.dpiX = pDC->GetDeviceCaps(LOGPIXELSX);
  printer.dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
  printer.printableWidth = pDC->GetDeviceCaps(HORZRES);
  printer.printableHeight = pDC->GetDeviceCaps(VERTRES);
  printer.offsetX = pDC->GetDeviceCaps(PHYSICALOFFSETX);
  printer.offsetY = pDC->GetDeviceCaps(PHYSICALOFFSETY);
  return printer;
}

void RunGrammarPrintSheet(CWnd* pView, PageSettingsRec& settings, BOOL& settingsTaken) {
  if (!settingsTaken) {
    InitPageSettings(&settings, 1, -1);
    settingsTaken = TRUE;
  }
  CPageSettings sheet(IDS_PAGE_SETTINGS, TRUE, pView);
  sheet.m_record = settings;
  const INT_PTR result = sheet.DoModal();
  if (result != CPageSettings::kResultPrint && result != CPageSettings::kResultPreview) return;
  settings = sheet.m_record;
  pView->SendMessage(WM_COMMAND,
                     result == CPageSettings::kResultPrint ? ID_FILE_PRINT : ID_FILE_PRINT_PREVIEW);
}

bool LayOutGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                            CScrollView* pView, GrammarPrintLayout& layout) {
  const CSize total = pView->GetTotalSize();
  layout = ComputeGrammarPrintLayout(settings, ReadPrinterPage(pDC), total.cx, total.cy);
  if (layout.scale <= 0) return false;
  if (pInfo->m_bPreview) {
    const CRect printable(layout.printable);
    CBrush frame(kPreviewFrame);
    pDC->FrameRect(&printable, &frame);
  }
  return true;
}

bool BeginGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                           CScrollView* pView, const CFontInfo& screenFont,
                           GrammarPrintPage& page) {
  if (!LayOutGrammarPrintPage(pDC, pInfo, settings, pView, page.layout)) return false;
  page.printable = CRect(page.layout.printable);
  page.hebrewFont.SetScaled(pDC, screenFont.GetFaceName(), screenFont.GetPointSize(),
                            screenFont.GetStyle(),
                            page.layout.scale * CClientDC(pView).GetDeviceCaps(LOGPIXELSY) /
                                pDC->GetDeviceCaps(LOGPIXELSY));
  page.hebrewFont.MeasureMetrics(pDC);
  page.hebrewFont.MeasureCharWidths(pDC);
  LOGFONT logFont = {};
  pView->GetFont()->GetLogFont(&logFont);
  logFont.lfHeight = static_cast<LONG>(logFont.lfHeight * page.layout.scale);
  page.labelFont.CreateFontIndirect(&logFont);
  page.englishFont.SetFromLogFont(pDC, logFont);
  return true;
}
