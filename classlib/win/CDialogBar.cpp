#include "classlib/win/CDialogBar.h"

#include "classlib/win/CDialog.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {
// A stretched bar is as long as the room it is given, up to this.
constexpr int kStretchedLength = 32767;
}  // namespace

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC hRsrc = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
  HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
  auto lpTemplate =
      hGlobal != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hGlobal)) : nullptr;
  return CreateIndirect(pParentWnd, hInst, lpTemplate, nStyle, nID);
}

BOOL CDialogBar::CreateIndirect(CWnd* pParentWnd, HINSTANCE hInst, LPCDLGTEMPLATEA lpTemplate,
                                UINT nStyle, UINT nID) {
  if (lpTemplate == nullptr) return FALSE;
  m_dwStyle = nStyle & CBRS_ALL;
  // The bar's object takes the dialog's messages from the first one on.
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, SafeHwnd(pParentWnd), AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (hWnd == nullptr) return FALSE;
  SetDlgCtrlID(static_cast<int>(nID));
  CRect rect;
  GetWindowRect(&rect);
  m_sizeDefault = rect.Size();
  SetWindowPos(nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  if (!bStretch) return m_sizeDefault;
  return bHorz ? CSize(kStretchedLength, m_sizeDefault.cy)
               : CSize(m_sizeDefault.cx, kStretchedLength);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
