// The docking half of CControlBar: its dock context, where it is docked or
// floating, the record of its place in the saved layout, and the mouse
// presses that drag it or dock and float it.
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CDockContext.h"
#include "classlib/win/CDockState.h"

void CControlBar::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle;
  if (dwDockStyle != 0 && m_pDockContext == nullptr) m_pDockContext = new CDockContext(this);
  // Commands keep going to the frame when the bar moves to a floating frame.
  if (m_hWndOwner == nullptr && m_hWnd != nullptr) m_hWndOwner = ::GetParent(m_hWnd);
}

BOOL CControlBar::IsFloating() const {
  if (IsDockBar()) return static_cast<const CDockBar*>(this)->m_bFloating;
  return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

void CControlBar::ReleaseDocking() {
  if (m_pDockBar != nullptr) m_pDockBar->RemoveControlBar(this);
  m_pDockBar = nullptr;
  delete m_pDockContext;
  m_pDockContext = nullptr;
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo) {
  pInfo->m_pBar = this;
  pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
  pInfo->m_bDockBar = FALSE;
  pInfo->m_bVisible = IsVisible();
  pInfo->m_nMRUWidth = m_nMRUWidth;
  pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  // A floating bar's frame is the floating dock bar's record.
  pInfo->m_bFloating = FALSE;
  if (m_pDockBar != nullptr) {
    CRect rect;
    GetWindowRect(&rect);
    m_pDockBar->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
  }
  pInfo->m_bDocking = m_pDockContext != nullptr;
  if (m_pDockContext != nullptr) {
    pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
    pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
    pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
    pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
  }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*) {
  // Shown or hidden with the next layout of the frame that holds it.
  DelayShow(pInfo->m_bVisible);
  m_nMRUWidth = pInfo->m_nMRUWidth;
  // The offset in its row: the dock bar the bar goes to keeps it.
  if (pInfo->m_pointPos.x >= 0 && pInfo->m_pointPos.y >= 0)
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (pInfo->m_bDocking && m_pDockContext != nullptr) {
    m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
    m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
    m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
    m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
  }
}

void CControlBar::OnLButtonDown(UINT, CPoint point) {
  // A docked or floating bar is dragged from wherever no item of it is.
  if (m_pDockContext != nullptr && m_pDockBar != nullptr && OnToolHitTest(point, nullptr) == -1) {
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
    return;
  }
  Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint point) {
  if (m_pDockContext != nullptr && m_pDockBar != nullptr && OnToolHitTest(point, nullptr) == -1) {
    m_pDockContext->ToggleDocking();
    return;
  }
  Default();
}
