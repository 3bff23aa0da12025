#include "classlib/win/CFindReplaceDialog.h"

#include <cstring>

#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

namespace {
// The system's dialog procedure does the work; the hook only lets it go on.
UINT_PTR CALLBACK FindReplaceHook(HWND, UINT, WPARAM, LPARAM) { return 0; }

void CopyBounded(char* pszBuffer, size_t nSize, LPCSTR lpszText) {
  if (lpszText == nullptr) return;
  std::strncpy(pszBuffer, lpszText, nSize - 1);
  pszBuffer[nSize - 1] = '\0';
}
}  // namespace

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr) {
  m_fr.lStructSize = sizeof m_fr;
  m_fr.lpstrFindWhat = m_szFindWhat;
  m_fr.lpstrReplaceWith = m_szReplaceWith;
  m_fr.lpfnHook = FindReplaceHook;
  m_fr.lCustData = reinterpret_cast<LPARAM>(this);
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith,
                                DWORD dwFlags, CWnd* pParentWnd) {
  // A template without the library's hook would lose the owner's notifications.
  m_fr.Flags |= dwFlags | FR_ENABLEHOOK;
  m_fr.wFindWhatLen = sizeof m_szFindWhat;
  m_fr.wReplaceWithLen = sizeof m_szReplaceWith;
  CopyBounded(m_szFindWhat, sizeof m_szFindWhat, lpszFindWhat);
  CopyBounded(m_szReplaceWith, sizeof m_szReplaceWith, lpszReplaceWith);
  if (m_fr.hInstance == nullptr) m_fr.hInstance = AfxGetResourceHandle();
  if (pParentWnd == nullptr) pParentWnd = AfxGetMainWnd();
  m_pParentWnd = pParentWnd;
  m_fr.hwndOwner = SafeHwnd(pParentWnd);
  if (m_fr.lpTemplateName != nullptr && IS_INTRESOURCE(m_fr.lpTemplateName))
    m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(m_fr.lpTemplateName));
  AfxHookWindowCreate(this);
  HWND hWnd = bFindDialogOnly ? ::FindTextA(&m_fr) : ::ReplaceTextA(&m_fr);
  AfxUnhookWindowCreate();
  return hWnd != nullptr;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam) {
  return reinterpret_cast<CFindReplaceDialog*>(reinterpret_cast<FINDREPLACEA*>(lParam)->lCustData);
}

void CFindReplaceDialog::PostNcDestroy() { delete this; }
