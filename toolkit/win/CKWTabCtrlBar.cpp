#include "toolkit/win/CKWTabCtrlBar.h"

#include <commctrl.h>

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/CView.h"

IMPLEMENT_DYNAMIC(CKWTabCtrlBar, CKWDockWindow)

BEGIN_MESSAGE_MAP(CKWTabCtrlBar, CKWDockWindow)
  ON_WM_CREATE()
  ON_WM_WINDOWPOSCHANGING()
  ON_MESSAGE(KWM_TABSELCHANGED, OnTabActivatedMsg)
  ON_MESSAGE(KWM_TABSELCHANGING, OnTabChangingMsg)
END_MESSAGE_MAP()

CKWTabCtrlBar::CKWTabCtrlBar() {
  m_tabCtrl.EnableLabelShortening(TRUE);
  m_tabCtrl.SetAutoInitialUpdate(TRUE);
}

CKWTabCtrlBar::~CKWTabCtrlBar() = default;

int CKWTabCtrlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CKWDockWindow::OnCreate(lpCreateStruct) == -1) return -1;
  if (!m_tabCtrl.Create(kTabCtrlStyle, CRect(0, 0, 0, 0), this, kTabCtrlId)) return -1;
  SetChild(&m_tabCtrl);
  return 0;
}

void CKWTabCtrlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  CKWDockWindow::OnWindowPosChanging(lpWndPos);
  if ((lpWndPos->flags & SWP_HIDEWINDOW) || !::IsWindow(m_tabCtrl.m_hWnd)) return;
  // Clipping the views while docked; floating, the mini frame repaints them.
  if (IsFloating())
    m_tabCtrl.ModifyStyle(WS_CLIPCHILDREN, 0);
  else
    m_tabCtrl.ModifyStyle(0, WS_CLIPCHILDREN);
}

void CKWTabCtrlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CKWDockWindow::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
  if (pTarget == nullptr) return;
  CView* pActive = pTarget->GetActiveView();
  if (pActive == nullptr || !::IsChild(m_hWnd, pActive->m_hWnd)) return;
  if (IsFloating() || !IsActive()) pTarget->SetActiveView(m_tabCtrl.GetSavedView(), FALSE);
}

CImageList* CKWTabCtrlBar::SetImageList(CImageList* pImageList) {
  const LRESULT hPrevious = m_tabCtrl.SendMessage(
      TCM_SETIMAGELIST, 0,
      reinterpret_cast<LPARAM>(pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr));
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(hPrevious));
}

void CKWTabCtrlBar::NotifyOwner(UINT nMessage, LPARAM lParam) {
  CWnd* pOwner = GetOwner();
  if (pOwner == nullptr) pOwner = GetParent();
  if (pOwner == nullptr) return;
  pOwner->SendMessage(nMessage, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
}

void CKWTabCtrlBar::OnTabActivated(WPARAM, LPARAM lParam) {
  NotifyOwner(KWM_TABSELCHANGED, lParam);
}

void CKWTabCtrlBar::OnTabChanging(WPARAM, LPARAM lParam) {
  NotifyOwner(KWM_TABSELCHANGING, lParam);
}

LRESULT CKWTabCtrlBar::OnTabActivatedMsg(WPARAM wParam, LPARAM lParam) {
  OnTabActivated(wParam, lParam);
  return 0;
}

LRESULT CKWTabCtrlBar::OnTabChangingMsg(WPARAM wParam, LPARAM lParam) {
  OnTabChanging(wParam, lParam);
  return 0;
}
