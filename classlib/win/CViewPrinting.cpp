// The print job of a view: the printer, the printing status dialog with its
// abort procedure, the pages, and the end or abort of the job.
#include <memory>

#include "classlib/win/AfxRes.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/CPrintingDialog.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"

namespace {

// Spoolers of older systems refuse longer job names.
constexpr int kMaxJobNameLength = 31;

// The status dialog of the job printing on this thread.
thread_local CPrintingDialog* t_pPrintingDialog = nullptr;

// The main window is disabled while the job prints and the status dialog
// is shown; both are undone however the job ends.
class PrintingScope {
 public:
  PrintingScope(CWnd* pMainWnd, CPrintingDialog* pDialog) : m_pMainWnd(pMainWnd) {
    t_pPrintingDialog = pDialog;
    if (m_pMainWnd != nullptr) m_pMainWnd->EnableWindow(FALSE);
  }
  ~PrintingScope() {
    if (m_pMainWnd != nullptr) m_pMainWnd->EnableWindow(TRUE);
    if (t_pPrintingDialog != nullptr) t_pPrintingDialog->DestroyWindow();
    t_pPrintingDialog = nullptr;
  }
  PrintingScope(const PrintingScope&) = delete;
  PrintingScope& operator=(const PrintingScope&) = delete;

 private:
  CWnd* m_pMainWnd;
};

}  // namespace

// Called by the system while it spools, and by the print loop after each
// page: runs the thread's messages so the status dialog's Cancel can be
// pressed. FALSE ends the job.
BOOL CALLBACK CView::PrintAbortProc(HDC, int) {
  MSG msg;
  while (t_pPrintingDialog != nullptr && !t_pPrintingDialog->m_bUserAbort &&
         ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop that wants it gets it after the job.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return FALSE;
    }
    if (!t_pPrintingDialog->IsDialogMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return t_pPrintingDialog == nullptr || !t_pPrintingDialog->m_bUserAbort;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
  CWinApp* pApp = AfxGetApp();
  CPrintDialog* pDialog = pInfo->m_pPD;
  if (pInfo->m_bPreview || pInfo->m_bDirect) {
    // Without a printer chosen the user is asked, as for a dialog job.
    if (!pApp->GetPrinterDeviceDefaults(&pDialog->m_pd) && pApp->DoPrintDialog(pDialog) != IDOK)
      return FALSE;
    if (pDialog->m_pd.hDC == nullptr) pDialog->CreatePrinterDC();
  } else {
    pDialog->m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    pDialog->m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pApp->DoPrintDialog(pDialog) != IDOK) return FALSE;
  }
  if (pDialog->m_pd.hDC == nullptr) return FALSE;
  pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
  return TRUE;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::PrintPages(CDC* pDC, CPrintInfo* pInfo, LPCSTR lpszDocName) {
  auto pDialog = std::make_unique<CPrintingDialog>();
  CWnd* pMainWnd = AfxGetMainWnd();
  if (!pDialog->Create(pMainWnd, lpszDocName, pInfo->m_pPD->GetDeviceName(),
                       pInfo->m_pPD->GetPortName()))
    pDialog.reset();
  PrintingScope scope(pMainWnd, pDialog.get());
  bool bError = false;
  const PrintPageSpan span = pInfo->GetPageSpan();
  for (pInfo->m_nCurPage = span.nFirst; pInfo->m_nCurPage <= span.nLast && !bError;
       ++pInfo->m_nCurPage) {
    OnPrepareDC(pDC, pInfo);
    if (!pInfo->m_bContinuePrinting) break;
    if (pDialog) pDialog->SetPage(pInfo->m_nCurPage);
    pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&pInfo->m_rectDraw);
    bError = ::StartPage(pDC->m_hDC) <= 0;
    if (bError) break;
    OnPrint(pDC, pInfo);
    bError = ::EndPage(pDC->m_hDC) <= 0 || !PrintAbortProc(pDC->m_hDC, 0);
  }
  // A job the user cancelled, or that failed, leaves no partial output.
  if (bError)
    ::AbortDoc(pDC->m_hDC);
  else
    ::EndDoc(pDC->m_hDC);
}

void CView::OnFilePrint() {
  CPrintInfo printInfo;
  const MSG& msgCommand = AfxGetThreadState()->m_lastSentMsg;
  printInfo.m_bDirect =
      msgCommand.message == WM_COMMAND && LOWORD(msgCommand.wParam) == ID_FILE_PRINT_DIRECT;
  if (!OnPreparePrinting(&printInfo)) return;

  CString strTitle = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString();
  if (strTitle.GetLength() > kMaxJobNameLength) strTitle = strTitle.Left(kMaxJobNameLength);
  DOCINFOA docInfo = {};
  docInfo.cbSize = sizeof docInfo;
  docInfo.lpszDocName = strTitle;

  CDC dcPrint;
  dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
  dcPrint.m_bPrinting = TRUE;
  OnBeginPrinting(&dcPrint, &printInfo);

  ::SetAbortProc(dcPrint.m_hDC, PrintAbortProc);
  if (::StartDocA(dcPrint.m_hDC, &docInfo) <= 0) {
    AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_START_PRINT));
  } else {
    PrintPages(&dcPrint, &printInfo, strTitle);
  }
  OnEndPrinting(&dcPrint, &printInfo);
  // The print info deletes the printer DC.
  dcPrint.Detach();
}
