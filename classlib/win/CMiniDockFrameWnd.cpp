#include "classlib/win/CMiniDockFrameWnd.h"

#include "classlib/win/CDockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
  ON_WM_CLOSE()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCLBUTTONDBLCLK()
  ON_MESSAGE(WM_FLOATCONTENTCHANGED, OnFloatContentChanged)
END_MESSAGE_MAP()

namespace {
// The floating dock bar keeps its side, its sharing and its sizing.
constexpr DWORD kDockBarStyles = CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI | CBRS_SIZE_DYNAMIC;
}  // namespace

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  m_wndDockBar.m_pDockSite = pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                                 ? static_cast<CFrameWnd*>(pParent)
                                 : pParent->GetParentFrame();
  DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE |
                  ((dwBarStyle & CBRS_SIZE_DYNAMIC) ? MFS_THICKFRAME : 0);
  if (!CMiniFrameWnd::Create(nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent)) return FALSE;
  if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & kDockBarStyles),
                           AFX_IDW_DOCKBAR_FLOAT))
    return FALSE;
  RecalcLayout();
  return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetContainedBar() const {
  for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
    if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i)) return pBar;
  return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == nullptr) return;
  m_bInRecalcLayout = TRUE;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  BOOL bHorz = (m_wndDockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  m_wndDockBar.m_rectLayout.SetRectEmpty();
  CSize size = m_wndDockBar.CalcFixedLayout(FALSE, bHorz);
  if (m_wndDockBar.GetDockedVisibleCount() == 0) {
    if (IsWindowVisible()) ShowWindow(SW_HIDE);
  } else {
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The caption names the bar.
    if (CControlBar* pBar = GetContainedBar()) {
      CString strBar, strCaption;
      pBar->GetWindowText(strBar);
      GetWindowText(strCaption);
      if (strBar != strCaption) SetWindowText(strBar);
    }
  }
  m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose() {
  // Closing a floating bar hides it; the frame hides with its last bar.
  CFrameWnd* pDockSite = m_wndDockBar.m_pDockSite;
  for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i);
    if (pBar != nullptr && pDockSite != nullptr) pDockSite->ShowControlBar(pBar, FALSE, FALSE);
  }
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  CControlBar* pBar = GetContainedBar();
  bool bOneBar = (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0;
  if (pBar != nullptr && pBar->m_pDockContext != nullptr && bOneBar) {
    // The caption drags the bar; the edges resize one that wraps its items.
    if (nHitTest == HTCAPTION) {
      pBar->m_pDockContext->StartDrag(point);
      return;
    }
    if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST &&
        (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC)) {
      pBar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
      return;
    }
  }
  CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint) {
  CControlBar* pBar = GetContainedBar();
  if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr &&
      (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0) {
    pBar->m_pDockContext->ToggleDocking();
    return;
  }
  Default();
}

LRESULT CMiniDockFrameWnd::OnFloatContentChanged(WPARAM, LPARAM) {
  if (m_wndDockBar.GetDockedCount() == 0)
    DestroyWindow();
  else
    RecalcLayout();
  return 0;
}
