#include "toolkit/win/CKWTabCtrl.h"

#include <commctrl.h>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"
#include "toolkit/win/CKWButton.h"

IMPLEMENT_DYNAMIC(CKWTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CKWTabCtrl, CTabCtrl)
  ON_WM_DESTROY()
  ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChangeReflect)
  ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelChangingReflect)
  ON_WM_WINDOWPOSCHANGED()
  ON_WM_CREATE()
  ON_WM_RBUTTONDOWN()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_SETTINGCHANGE()
  ON_WM_SYSCOLORCHANGE()
  ON_MESSAGE(KWM_DEFERRED_INIT, OnDeferredInitMsg)
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMsg)
END_MESSAGE_MAP()

CKWTabCtrl::CKWTabCtrl() { SetTabCtrl(this); }

BOOL CKWTabCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  CWnd* pView = GetActiveView();
  if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKWTabCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN &&
      ((pMsg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0) || pMsg->wParam == VK_F6)) {
    if (::GetKeyState(VK_SHIFT) < 0)
      PrevTab();
    else
      NextTab();
    SetFocus();
    return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}

void CKWTabCtrl::PreSubclassWindow() {
  CTabCtrl::PreSubclassWindow();
  ArmDeferredInit();
}

void CKWTabCtrl::OnDestroy() {
  CloseAllItems();
  Default();
}

void CKWTabCtrl::OnSelChangeReflect(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  OnSelChange();
  SendMessage(WM_SETREDRAW, TRUE);
  Invalidate(TRUE);
  UpdateWindow();
}

void CKWTabCtrl::OnSelChangingReflect(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  SendMessage(WM_SETREDRAW, FALSE);
  OnSelChanging();
}

void CKWTabCtrl::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  if (lpWndPos->flags & SWP_HIDEWINDOW) {
    if (m_pFrame != nullptr) RestoreFrameView(m_pFrame->GetActiveView());
  } else {
    SizeAllViews();
  }
  Default();
  if (m_bShortenLabels) FitTabLabels();
}

int CKWTabCtrl::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  ArmDeferredInit();
  return 0;
}

void CKWTabCtrl::OnRButtonDown(UINT, CPoint point) {
  if (m_nMenuId == 0) return;
  HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nMenuId));
  if (hMenu == nullptr) return;
  HMENU hSub = ::GetSubMenu(hMenu, m_nSubMenu);
  ClientToScreen(&point);
  if (hSub != nullptr)
    ::TrackPopupMenu(hSub, TPM_RIGHTBUTTON, point.x, point.y, 0,
                     m_pFrame != nullptr ? m_pFrame->m_hWnd : m_hWnd, nullptr);
  ::DestroyMenu(hMenu);
}

void CKWTabCtrl::OnSettingChange(UINT, LPCSTR) {
  Default();
  RefreshMetrics();
}

void CKWTabCtrl::OnSysColorChange() {
  Default();
  RefreshColors();
}

LRESULT CKWTabCtrl::OnInitialUpdateMsg(WPARAM, LPARAM) {
  InitialLayout();
  return 0;
}
