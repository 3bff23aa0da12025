#include "tables/win/GrammarPrinting.h"

#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "editor/win/CPageSettings.h"
#include "resources/PageSettingsIds.h"

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
