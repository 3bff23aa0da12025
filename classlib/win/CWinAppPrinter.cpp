// The application's printer: the DEVNAMES and DEVMODE handles of the chosen
// printer, the system's default until Print Setup chooses another.
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintDialog.h"
#include "classlib/win/CWinApp.h"

namespace {

// Whether the printer a DEVNAMES block names can still be reached.
bool PrinterExists(HGLOBAL hDevNames) {
  auto* pDevNames = static_cast<LPDEVNAMES>(::GlobalLock(hDevNames));
  if (pDevNames == nullptr) return false;
  LPCSTR lpszBase = reinterpret_cast<LPCSTR>(pDevNames);
  HDC hDC = ::CreateICA(lpszBase + pDevNames->wDriverOffset, lpszBase + pDevNames->wDeviceOffset,
                        lpszBase + pDevNames->wOutputOffset, nullptr);
  ::GlobalUnlock(hDevNames);
  if (hDC == nullptr) return false;
  ::DeleteDC(hDC);
  return true;
}

}  // namespace

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg) {
  UpdatePrinterSelection(m_hDevNames == nullptr);
  if (m_hDevNames == nullptr) return FALSE;
  pPrintDlg->hDevNames = m_hDevNames;
  pPrintDlg->hDevMode = m_hDevMode;
  return TRUE;
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults) {
  // A chosen printer that has gone is replaced by the default.
  if (!bForceDefaults && m_hDevNames != nullptr && PrinterExists(m_hDevNames)) return;
  CPrintDialog dialog(FALSE);
  if (dialog.GetDefaults())
    SelectPrinter(dialog.m_pd.hDevNames, dialog.m_pd.hDevMode);
  else
    SelectPrinter(nullptr, nullptr);
}

void CWinApp::SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld) {
  if (bFreeOld) {
    if (m_hDevNames != nullptr && m_hDevNames != hDevNames) ::GlobalFree(m_hDevNames);
    if (m_hDevMode != nullptr && m_hDevMode != hDevMode) ::GlobalFree(m_hDevMode);
  }
  m_hDevNames = static_cast<HGLOBAL>(hDevNames);
  m_hDevMode = static_cast<HGLOBAL>(hDevMode);
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD) {
  UpdatePrinterSelection(FALSE);
  pPD->m_pd.hDevMode = m_hDevMode;
  pPD->m_pd.hDevNames = m_hDevNames;
  INT_PTR nResult = pPD->DoModal();
  // The dialog may have replaced the handles, whatever the answer.
  SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode);
  return nResult;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc) {
  CPrintDialog dialog(FALSE);
  if (!GetPrinterDeviceDefaults(&dialog.m_pd)) return FALSE;
  HDC hDC = dialog.CreatePrinterDC();
  return hDC != nullptr && dc.Attach(hDC);
}

void CWinApp::OnFilePrintSetup() {
  CPrintDialog dialog(TRUE);
  DoPrintDialog(&dialog);
}
