#include "editor/win/PagePrinter.h"

#include "classlib/win/AfxRes.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"
#include "editor/core/PrinterPaper.h"

static_assert(kPaperFieldOrientation == DM_ORIENTATION && kPaperFieldSize == DM_PAPERSIZE &&
                  kPaperFieldLength == DM_PAPERLENGTH && kPaperFieldWidth == DM_PAPERWIDTH,
              "the paper fields are DEVMODE's");

namespace {

// A DEVMODE block locked while the object lives.
class LockedDevMode {
 public:
  explicit LockedDevMode(HGLOBAL hDevMode)
      : m_hDevMode(hDevMode),
        m_pDevMode(hDevMode != nullptr ? static_cast<DEVMODEA*>(::GlobalLock(hDevMode))
                                       : nullptr) {}
  ~LockedDevMode() {
    if (m_pDevMode != nullptr) ::GlobalUnlock(m_hDevMode);
  }
  LockedDevMode(const LockedDevMode&) = delete;
  LockedDevMode& operator=(const LockedDevMode&) = delete;
  DEVMODEA* operator->() const { return m_pDevMode; }
  explicit operator bool() const { return m_pDevMode != nullptr; }

 private:
  HGLOBAL m_hDevMode;
  DEVMODEA* m_pDevMode;
};

void SetPaper(const LockedDevMode& devMode, const PageSettingsRec& rec) {
  const PrinterPaper paper = PrinterPaperFor(rec);
  devMode->dmFields |= paper.fields;
  devMode->dmOrientation = paper.orientation;
  devMode->dmPaperSize = paper.paperSize;
  if ((paper.fields & kPaperFieldLength) == 0) return;
  devMode->dmPaperLength = paper.paperLength;
  devMode->dmPaperWidth = paper.paperWidth;
}

// The printer settings for a page (none: only the quality). TrueType text
// goes to the printer as pictures, dithered finely: the program's Hebrew
// fonts print as they show.
void PreparePrinterSettings(HGLOBAL hDevMode, const PageSettingsRec* pRec) {
  LockedDevMode devMode(hDevMode);
  if (!devMode) return;
  devMode->dmTTOption = DMTT_BITMAP;
  devMode->dmDitherType = DMDITHER_FINE;
  if (pRec != nullptr) SetPaper(devMode, *pRec);
}

void SetFullRange(CPrintInfo* pInfo) {
  PRINTDLGA& pd = pInfo->m_pPD->m_pd;
  pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
  pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
}

BOOL GetPreviewPrinter(CWinApp* pApp, CPrintDialog* pDialog) {
  if (!pApp->GetPrinterDeviceDefaults(&pDialog->m_pd) && pApp->DoPrintDialog(pDialog) != IDOK)
    return FALSE;
  return pDialog->m_pd.hDC != nullptr || pDialog->CreatePrinterDC() != nullptr;
}

BOOL GetJobPrinter(CWinApp* pApp, CPrintDialog* pDialog, const PageSettingsRec* pRec) {
  PRINTDLGA& pd = pDialog->m_pd;
  if (pd.hDC != nullptr) {
    ::DeleteDC(pd.hDC);
    pd.hDC = nullptr;
  }
  if (pApp->m_hDevMode == nullptr) {
    // The system's default printer becomes the application's.
    CPrintDialog defaults(FALSE);
    if (defaults.GetDefaults()) pApp->SelectPrinter(defaults.m_pd.hDevNames, defaults.m_pd.hDevMode);
  }
  PreparePrinterSettings(pApp->m_hDevMode, pRec);
  return pApp->DoPrintDialog(pDialog) == IDOK && pd.hDC != nullptr;
}

}  // namespace

BOOL GetPrinterDC(CPrintInfo* pInfo, const PageSettingsRec* pRec) {
  CWinApp* pApp = AfxGetApp();
  CPrintDialog* pDialog = pInfo->m_pPD;
  SetFullRange(pInfo);
  const BOOL bReady =
      pInfo->m_bPreview ? GetPreviewPrinter(pApp, pDialog) : GetJobPrinter(pApp, pDialog, pRec);
  if (!bReady) return FALSE;
  pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
  pInfo->m_strPageDesc = LoadDocumentText(AFX_IDS_PREVIEWPAGEDESC);
  return TRUE;
}

HDC CreatePrinterDCForPage(CPrintInfo* pInfo, const PageSettingsRec* pRec) {
  PRINTDLGA& pd = pInfo->m_pPD->m_pd;
  if (pInfo->m_bPreview && pd.hDC != nullptr) {
    ::DeleteDC(pd.hDC);
    pd.hDC = nullptr;
  }
  PreparePrinterSettings(pd.hDevMode, pRec);
  return pInfo->m_pPD->CreatePrinterDC();
}

BOOL PrinterSetup(CPrintInfo* pInfo, PageSettingsRec* pRec) {
  if (!GetPrinterDC(pInfo, pRec)) return FALSE;
  if (pInfo->m_bPreview) return CreatePrinterDCForPage(pInfo, pRec) != nullptr;
  PreparePrinterSettings(pInfo->m_pPD->m_pd.hDevMode, nullptr);
  LockedDevMode devMode(pInfo->m_pPD->m_pd.hDevMode);
  if (devMode && pRec != nullptr) {
    PrinterPaper paper;
    paper.fields = devMode->dmFields;
    paper.orientation = devMode->dmOrientation;
    paper.paperSize = devMode->dmPaperSize;
    paper.paperLength = devMode->dmPaperLength;
    paper.paperWidth = devMode->dmPaperWidth;
    TakePrinterPaper(paper, *pRec);
  }
  return TRUE;
}
