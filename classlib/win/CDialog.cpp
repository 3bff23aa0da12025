#include "classlib/win/CDialog.h"

#include <cstring>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CWinApp.h"

namespace {

// The resource type of the strings stored with a template.
const LPCSTR RT_DLGINIT_TYPE = MAKEINTRESOURCEA(240);

// The list messages of stored strings: the 16-bit numbers resource editors
// still write, and the class library's own for combo boxes.
constexpr WORD kWin16ListAddString = 0x0401;
constexpr WORD kWin16ComboAddString = 0x0403;
constexpr WORD kComboAddString = 0x1234;

}  // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_COMMAND(ID_HELP, OnHelp)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_MESSAGE(WM_SETFONT, HandleSetFont)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IS_INTRESOURCE(lpszTemplateName))
    m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(MAKEINTRESOURCEA(nIDTemplate), pParentWnd) {}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  // A property page comes here unbound: comctl32 made its window, and hands
  // its page record, whose lParam is the page object.
  if (CWnd::FromHandlePermanent(hWnd) == nullptr && lParam != 0) {
    auto* pPage =
        reinterpret_cast<CDialog*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    pPage->SubclassWindow(hWnd);
    return pPage->OnInitDialog();
  }
  return TRUE;
}

// ---- Creation.

LPCDLGTEMPLATEA CDialog::FindTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst) const {
  HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
  if (hResource == nullptr) return nullptr;
  HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
  *phInst = hInst;
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(HINSTANCE hInst, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent) {
  if (lpTemplate == nullptr) return FALSE;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  return hWnd != nullptr;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
    m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA lpTemplate = FindTemplate(lpszTemplateName, &hInst);
  if (pParentWnd == nullptr) pParentWnd = AfxGetMainWnd();
  m_pParentWnd = pParentWnd;
  return CreateFromTemplate(hInst, lpTemplate, SafeHwnd(pParentWnd));
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
  if (pParentWnd == nullptr) pParentWnd = AfxGetMainWnd();
  m_pParentWnd = pParentWnd;
  return CreateFromTemplate(AfxGetResourceHandle(), lpDialogTemplate, SafeHwnd(pParentWnd));
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA lpTemplate = FindTemplate(m_lpszTemplateName, &hInst);
  if (lpTemplate == nullptr) return -1;
  HWND hWndOwner = AfxGetModalOwner(m_pParentWnd);
  m_modal.Begin(hWndOwner);
  if (CreateFromTemplate(hInst, lpTemplate, hWndOwner))
    m_modal.Run(this, [](CWnd* pWnd) { return static_cast<CDialog*>(pWnd)->ContinueModal(); });
  m_modal.Finish(this);
  return m_modal.GetResult();
}

BOOL CDialog::ContinueModal() { return m_modal.IsRunning(); }

void CDialog::EndDialog(int nResult) {
  m_modal.End(m_hWnd, nResult);
  ::EndDialog(m_hWnd, nResult);
}

// ---- Initialisation.

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  // The system keeps its own defaults (the first control gets the focus).
  Default();
  return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  if (!ExecuteDlgInit(m_lpszTemplateName) || !UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
  OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
  return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::ExecuteDlgInit(LPCSTR lpszResourceName) {
  if (lpszResourceName == nullptr) return TRUE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT_TYPE);
  HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT_TYPE);
  if (hResource == nullptr) return TRUE;
  HGLOBAL hData = ::LoadResource(hInst, hResource);
  return hData == nullptr || ExecuteDlgInit(::LockResource(hData));
}

BOOL CDialog::ExecuteDlgInit(LPVOID lpResource) {
  if (lpResource == nullptr) return TRUE;
  // Records of: control id (WORD), message (WORD), length (DWORD), then
  // that many bytes holding a string; a control id of 0 ends them.
  const BYTE* p = static_cast<const BYTE*>(lpResource);
  for (;;) {
    WORD nIDC;
    std::memcpy(&nIDC, p, sizeof nIDC);
    if (nIDC == 0) return TRUE;
    WORD nMsg;
    DWORD dwLen;
    std::memcpy(&nMsg, p + 2, sizeof nMsg);
    std::memcpy(&dwLen, p + 4, sizeof dwLen);
    const char* lpszText = reinterpret_cast<const char*>(p + 8);
    p += 8 + dwLen;
    UINT message = nMsg == kWin16ListAddString    ? LB_ADDSTRING
                   : nMsg == kWin16ComboAddString ? CB_ADDSTRING
                   : nMsg == kComboAddString      ? CB_ADDSTRING
                                                  : 0;
    if (message == 0) continue;
    LRESULT lResult =
        ::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, reinterpret_cast<LPARAM>(lpszText));
    // LB_ERR and CB_ERR are -1, LB_ERRSPACE and CB_ERRSPACE -2.
    if (lResult < 0) return FALSE;
  }
}

// ---- Ending.

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// ---- Keys, focus and help.

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  // Keys and clicks only; the dialog manager would swallow the rest.
  bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  return bInput && IsDialogMessage(pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam) {
  if (lParam == 0 && m_nIDHelp != 0) lParam = static_cast<LPARAM>(HID_BASE_RESOURCE + m_nIDHelp);
  if (lParam == 0) return FALSE;
  AfxGetApp()->WinHelp(static_cast<DWORD_PTR>(lParam));
  return TRUE;
}

LRESULT CDialog::OnHelpInfo(WPARAM, LPARAM) { return OnCommandHelp(0, 0); }

void CDialog::OnHelp() { ::SendMessageA(m_hWnd, WM_COMMANDHELP, 0, 0); }
