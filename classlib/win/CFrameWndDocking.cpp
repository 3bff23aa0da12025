// The docking half of CFrameWnd: its dock bars on the four sides, docking
// and floating bars, showing and hiding them, and the saved layout of all
// its bars.
#include <iterator>

#include "classlib/core/CException.h"
#include "classlib/core/CResourceException.h"
#include "classlib/core/DockScreenScale.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CDockState.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"

namespace {

// The frame's dock bars, in the order a bar looks for its side.
struct DockBarSide {
  UINT nID;
  DWORD dwStyle;
};
constexpr DockBarSide kDockBarSides[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

constexpr DWORD kDockBarWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// An empty dock bar has no width or height; a drag this near it still docks there.
constexpr int kEmptyDockBarReach = 4;

}  // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
  m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
  for (const DockBarSide& side : kDockBarSides) {
    if ((dwDockStyle & side.dwStyle & CBRS_ALIGN_ANY) == 0 || GetControlBar(side.nID) != nullptr)
      continue;
    auto* pDockBar = new CDockBar;
    if (!pDockBar->Create(this, kDockBarWindowStyle | side.dwStyle, side.nID)) {
      delete pDockBar;
      AfxThrowResourceException();
    }
    pDockBar->m_bAutoDelete = TRUE;
  }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  CControlBar* pDockBar = nDockBarID == 0 ? nullptr : GetControlBar(nDockBarID);
  DockControlBar(
      pBar,
      pDockBar != nullptr && pDockBar->IsDockBar() ? static_cast<CDockBar*>(pDockBar) : nullptr,
      lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (pDockBar == nullptr) {
    // The first side the bar's own alignment names.
    for (const DockBarSide& side : kDockBarSides) {
      if ((side.dwStyle & pBar->GetBarStyle() & CBRS_ALIGN_ANY) == 0) continue;
      CControlBar* pSideBar = GetControlBar(side.nID);
      if (pSideBar != nullptr && pSideBar->IsDockBar()) {
        pDockBar = static_cast<CDockBar*>(pSideBar);
        break;
      }
    }
    if (pDockBar == nullptr) return;
  }
  pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (pDockBar == nullptr) {
    // The dock bar that kept the bar's place.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr && !pDockBar;) {
      auto* pCandidate = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
      if (!pCandidate->IsDockBar() || pCandidate->IsFloating()) continue;
      auto* pSide = static_cast<CDockBar*>(pCandidate);
      for (int i = 0; i < pSide->m_arrBars.GetSize(); ++i)
        if (pSide->GetPlaceHolderID(i) == static_cast<UINT>(pBar->GetDlgCtrlID())) pDockBar = pSide;
    }
  }
  if (pDockBar == nullptr) {
    DockControlBar(pBar, static_cast<CDockBar*>(nullptr), lpRect);
    return;
  }
  pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
  CRuntimeClass* pClass =
      m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
  CObject* pObject = pClass->CreateObject();
  if (pObject == nullptr) AfxThrowResourceException();
  auto* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
  if (!pFrame->Create(this, dwStyle)) {
    // A frame that failed to be created has deleted itself with its window.
    AfxThrowResourceException();
  }
  return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  CDockBar* pDockBar = pBar->m_pDockBar;
  if (pDockBar != nullptr && pDockBar->m_bFloating && pDockBar->GetDockedCount() == 1 &&
      (dwStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY) != 0) {
    // Alone in a floating frame already: the frame only moves.
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    return;
  }
  if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) {
    // A bar that wraps its items floats as a row.
    dwStyle |= CBRS_SIZE_DYNAMIC;
    if (dwStyle & CBRS_ORIENT_VERT) dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
  }
  CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle);
  pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->m_wndDockBar.DockControlBar(pBar);
  pFrame->RecalcLayout();
  if (pBar->GetStyle() & WS_VISIBLE) {
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->UpdateWindow();
  }
  RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar) {
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (!pBar->IsDockBar() || !pBar->IsWindowVisible()) continue;
    auto* pDockBar = static_cast<CDockBar*>(pBar);
    DWORD dwSide = pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY;
    if (dwSide == 0) continue;
    // Floating frames take more bars only when both sides agree to share.
    if (pDockBar->m_bFloating &&
        !((dwDockStyle & CBRS_FLOAT_MULTI) && (pDockBar->m_dwStyle & CBRS_FLOAT_MULTI)))
      continue;
    CRect rectBar;
    pDockBar->GetWindowRect(&rectBar);
    if (rectBar.Width() == 0) rectBar.InflateRect(kEmptyDockBarReach, 0);
    if (rectBar.Height() == 0) rectBar.InflateRect(0, kEmptyDockBarReach);
    CRect rectOverlap;
    if (rectOverlap.IntersectRect(&rectBar, &rect)) {
      if (ppDockBar != nullptr) *ppDockBar = pDockBar;
      return dwSide;
    }
  }
  return 0;
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
  POSITION pos = m_listControlBars.Find(pBar);
  if (pos != nullptr) m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  // The bar shows or hides at once; with bDelay the bars around it move at
  // the next idle time.
  pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                         (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  pBar->DelayShow(bShow);
  CDockBar* pDockBar = pBar->m_pDockBar;
  if (pDockBar != nullptr && pDockBar->m_bFloating) {
    // A floating frame shows and hides with its bars.
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
    pFrame->RecalcLayout();
    if (bShow) pFrame->ShowWindow(SW_SHOWNA);
    return;
  }
  CFrameWnd* pFrame = pBar->GetDockingFrame();
  if (pFrame == nullptr) pFrame = this;
  if (bDelay)
    pFrame->DelayRecalcLayout();
  else
    pFrame->RecalcLayout();
}

// ---- The saved layout.

void CFrameWnd::GetDockState(CDockState& state) const {
  state.Clear();
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    auto* pInfo = new CControlBarInfo;
    pBar->GetBarInfo(pInfo);
    state.m_arrBarInfo.Add(pInfo);
  }
}

void CFrameWnd::SetDockState(const CDockState& state) {
  // Each record finds its bar; a floating frame is made for each floating
  // dock bar. Records of bars the frame no longer has are passed over.
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    pInfo->m_pBar = nullptr;
    if (pInfo->m_bFloating && pInfo->m_bDockBar) {
      CMiniDockFrameWnd* pFrame =
          CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
      // The saved point is where the bars were; the frame's caption above
      // them stays on the screen too.
      CRect rect(pInfo->m_pointPos, CSize(0, 0));
      pFrame->CalcWindowRect(&rect);
      CPoint pt = KeepDockPointOnScreen(
          rect.TopLeft(), CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
      pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      pInfo->m_pBar = &pFrame->m_wndDockBar;
    } else if (pInfo->m_nBarID != 0) {
      pInfo->m_pBar = GetControlBar(pInfo->m_nBarID);
      // A record of a dock bar must find a dock bar, and a bar's a bar.
      if (pInfo->m_pBar != nullptr && !pInfo->m_pBar->IsDockBar() != !pInfo->m_bDockBar)
        pInfo->m_pBar = nullptr;
    }
    if (pInfo->m_pBar != nullptr) pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
  }
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (pInfo->m_pBar != nullptr) pInfo->m_pBar->SetBarInfo(pInfo, this);
  }
  // The floating frames that hold a bar to show are laid out and shown; the
  // others (all their bars hidden, or none left) stay hidden or go.
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (pInfo->m_pBar == nullptr || !pInfo->m_bFloating || !pInfo->m_bDockBar) continue;
    auto* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
    if (pDockBar->GetDockedCount() == 0) {
      pFrame->DestroyWindow();
      continue;
    }
    pFrame->RecalcLayout();
    if (pDockBar->GetDockedVisibleCount() > 0) pFrame->ShowWindow(SW_SHOWNA);
  }
  DelayRecalcLayout();
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName) {
  CDockState state;
  state.LoadState(lpszProfileName);
  SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const {
  CDockState state;
  GetDockState(state);
  state.SaveState(lpszProfileName);
}
