#include "classlib/win/CPropertyPage.h"

#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

namespace {
// Whether the program answers ID_HELP, so pages show their Help button.
BOOL HelpEnabled() {
  CWinApp* pApp = AfxGetApp();
  AFX_CMDHANDLERINFO info = {};
  return pApp != nullptr && pApp->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info);
}
}  // namespace

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName) {
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  m_psp.pszTemplate = lpszTemplateName;
  m_psp.pfnDlgProc = AfxDlgProc;
  // AfxDlgProc binds the page's window to its dialog object from here.
  m_psp.lParam = reinterpret_cast<LPARAM>(static_cast<CDialog*>(this));
  if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
    m_psp.pszTitle = m_strCaption;
    m_psp.dwFlags |= PSP_USETITLE;
  }
  if (HelpEnabled()) m_psp.dwFlags |= PSP_HASHELP;
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(MAKEINTRESOURCEA(nIDTemplate), nIDCaption) {}

void CPropertyPage::SetModified(BOOL bChanged) {
  HWND hWndSheet = ::GetParent(m_hWnd);
  ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() {
  ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

BOOL CPropertyPage::OnSetActive() {
  // The first time OnInitDialog has filled the controls already.
  if (m_bFirstSetActive) {
    m_bFirstSetActive = FALSE;
    return TRUE;
  }
  return UpdateData(FALSE);
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
  // The sheet handles the dialog keys for all its pages and buttons.
  return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR->hwndFrom != ::GetParent(m_hWnd) || !OnSheetNotify(pNMHDR->code, pResult))
    return CDialog::OnNotify(wParam, lParam, pResult);
  // Also where a dialog procedure's answer is kept, for callers that look there.
  ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
  return TRUE;
}

BOOL CPropertyPage::OnSheetNotify(UINT nCode, LRESULT* pResult) {
  *pResult = 0;
  switch (nCode) {
    case PSN_SETACTIVE: *pResult = OnSetActive() ? 0 : -1; return TRUE;
    case PSN_KILLACTIVE: *pResult = !OnKillActive(); return TRUE;
    case PSN_APPLY:
      *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return TRUE;
    case PSN_RESET: OnReset(); return TRUE;
    case PSN_QUERYCANCEL: *pResult = !OnQueryCancel(); return TRUE;
    case PSN_HELP: ::SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0); return TRUE;
    default: return FALSE;
  }
}
