#include "classlib/win/CPropertySheet.h"

#include <algorithm>

#include "classlib/win/CPropertyPage.h"
#include "classlib/win/CTabCtrl.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() { CommonConstruct(nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  m_strCaption.LoadString(nIDCaption);
  CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  m_strCaption = pszCaption;
  CommonConstruct(pParentWnd, iSelectPage);
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
  m_psh.dwSize = sizeof m_psh;
  m_psh.dwFlags = PSH_PROPSHEETPAGE;
  m_psh.nStartPage = iSelectPage;
  m_pParentWnd = pParentWnd;
}

// ---- Pages.

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  m_pages.push_back(pPage);
  if (m_hWnd == nullptr) return;
  // A running sheet makes the page's window when the page is first shown.
  HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
  if (hPage != nullptr) ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage));
}

void CPropertySheet::RemovePage(int nPage) {
  if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
  m_pages.erase(m_pages.begin() + nPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
  int nPage = GetPageIndex(pPage);
  if (nPage >= 0) RemovePage(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
  return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == nullptr) return static_cast<int>(m_psh.nStartPage);
  HWND hWndPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (size_t i = 0; i < m_pages.size(); ++i) {
    if (m_pages[i]->m_hWnd == hWndPage && hWndPage != nullptr) return static_cast<int>(i);
  }
  return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  int nPage = GetActiveIndex();
  return nPage >= 0 && nPage < GetPageCount() ? GetPage(nPage) : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
  if (m_hWnd == nullptr) {
    m_psh.nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

CTabCtrl* CPropertySheet::GetTabControl() const {
  return static_cast<CTabCtrl*>(
      FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0))));
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle) {
  if (m_hWnd != nullptr) {
    ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
    return;
  }
  m_strCaption = lpszText;
  m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
}

// ---- Running.

BOOL CPropertySheet::CreateSheet(HWND hWndParent) {
  m_pageRecords.clear();
  for (CPropertyPage* pPage : m_pages) m_pageRecords.push_back(pPage->m_psp);
  PROPSHEETHEADERA psh = m_psh;
  psh.dwFlags |= PSH_MODELESS | PSH_PROPSHEETPAGE;
  psh.hwndParent = hWndParent;
  psh.hInstance = AfxGetResourceHandle();
  psh.pszCaption = m_strCaption;
  psh.nPages = static_cast<UINT>(m_pageRecords.size());
  psh.ppsp = m_pageRecords.data();
  if (psh.nStartPage >= psh.nPages) psh.nStartPage = 0;
  m_nButtonResult = IDCANCEL;
  AfxHookWindowCreate(this);
  INT_PTR hWnd = ::PropertySheetA(&psh);
  AfxUnhookWindowCreate();
  return hWnd != 0 && hWnd != -1 && m_hWnd != nullptr;
}

INT_PTR CPropertySheet::DoModal() {
  m_bModeless = FALSE;
  HWND hWndOwner = AfxGetModalOwner(m_pParentWnd);
  m_modal.Begin(hWndOwner);
  BOOL bCreated = CreateSheet(hWndOwner);
  if (bCreated)
    m_modal.Run(this,
                [](CWnd* pWnd) { return static_cast<CPropertySheet*>(pWnd)->ContinueModal(); });
  int nResult = m_modal.GetResult();
  m_modal.Finish(this);
  if (!bCreated) return -1;
  // -1 unless EndDialog ended it: then the sheet's own buttons did.
  return nResult != -1 ? nResult : m_nButtonResult;
}

BOOL CPropertySheet::ContinueModal() {
  // After OK or Cancel the sheet has no current page any more.
  return m_modal.IsRunning() && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  m_bModeless = TRUE;
  if (pParentWnd == nullptr) pParentWnd = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
  if (!CreateSheet(SafeHwnd(pParentWnd))) return FALSE;
  if (dwStyle == static_cast<DWORD>(-1))
    dwStyle = WS_SYSMENU | WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwStyle));
  if (dwExStyle != 0) ModifyStyleEx(0, dwExStyle);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                     ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
  return TRUE;
}

void CPropertySheet::EndDialog(int nResult) {
  if (m_bModeless) {
    DestroyWindow();
    return;
  }
  m_modal.End(m_hWnd, nResult);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CPropertySheet::OnInitDialog() {
  // The system makes the tab control and the first page here.
  return static_cast<BOOL>(Default());
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Which button ends the sheet, clicked or pressed by a message, seen
  // before anyone handles it.
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
      (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    m_nButtonResult = LOWORD(wParam);
  else if (message == PSM_PRESSBUTTON && (wParam == PSBTN_OK || wParam == PSBTN_CANCEL))
    m_nButtonResult = wParam == PSBTN_OK ? IDOK : IDCANCEL;
  else if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
    m_nButtonResult = IDCANCEL;
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  // The sheet handles the dialog keys of its pages and buttons, Ctrl+Tab too.
  bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  return bInput && ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
}
