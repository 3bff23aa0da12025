#include "classlib/win/CScrollView.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "classlib/win/CScrollBar.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// The SB_* code of a bar that does not move in an OnScroll request.
constexpr UINT kNoScroll = 0xFF;

// The farthest position of a bar: the last one at which a page still fits.
int ScrollLimit(HWND hWnd, int nBar) {
  SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  if (!::GetScrollInfo(hWnd, nBar, &info)) return 0;
  return std::max(0, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}

// The position a bar's request moves to from nPos; nCode kNoScroll keeps it.
int RequestedPosition(UINT nCode, int nCurrent, UINT nThumb, int nLine, int nPage) {
  switch (nCode) {
    case SB_TOP: return 0;
    case SB_BOTTOM: return INT_MAX;
    case SB_LINEUP: return nCurrent - nLine;
    case SB_LINEDOWN: return nCurrent + nLine;
    case SB_PAGEUP: return nCurrent - nPage;
    case SB_PAGEDOWN: return nCurrent + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<int>(nThumb);
    default: return nCurrent;
  }
}

// Logical sizes and points of nMapMode to device units and back, measured on the screen.
class ScreenMapping {
 public:
  explicit ScreenMapping(int nMapMode) : m_dc(nullptr) { m_dc.SetMapMode(nMapMode); }
  CSize ToDevice(SIZE size) const {
    m_dc.LPtoDP(&size);
    return size;
  }
  CPoint ToDevice(POINT pt) const {
    m_dc.LPtoDP(&pt);
    return pt;
  }
  CPoint ToLogical(POINT pt) const {
    m_dc.DPtoLP(&pt);
    return pt;
  }

 private:
  CWindowDC m_dc;
};

}  // namespace

// ---- Sizes.

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage,
                                 const SIZE& sizeLine) {
  int nOldMapMode = m_nMapMode;
  m_nMapMode = nMapMode;
  m_totalLog = sizeTotal;
  ScreenMapping mapping(nMapMode);
  m_totalDev = mapping.ToDevice(sizeTotal);
  m_pageDev = mapping.ToDevice(sizePage);
  m_lineDev = mapping.ToDevice(sizeLine);
  if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
  if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
  if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
  if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
  if (m_hWnd == nullptr) return;
  UpdateBars();
  // What was drawn in other units is wrong everywhere.
  if (nOldMapMode != m_nMapMode) Invalidate(TRUE);
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage,
                                       SIZE& sizeLine) const {
  nMapMode = m_nMapMode;
  sizeTotal = m_totalDev;
  sizePage = m_pageDev;
  sizeLine = m_lineDev;
}

// ---- Position.

CPoint CScrollView::GetDeviceScrollPosition() const {
  return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
  CPoint pt = GetDeviceScrollPosition();
  if (m_nMapMode == 0 || m_nMapMode == MM_TEXT) return pt;
  return ScreenMapping(m_nMapMode).ToLogical(pt);
}

void CScrollView::ScrollToPosition(POINT pt) {
  CPoint ptDev = pt;
  if (m_nMapMode != 0 && m_nMapMode != MM_TEXT) ptDev = ScreenMapping(m_nMapMode).ToDevice(pt);
  // Modes whose y grows upwards give the document negative logical y.
  ptDev.x = std::abs(ptDev.x);
  ptDev.y = std::abs(ptDev.y);
  ScrollToDevicePosition(ptDev);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
  CPoint ptOld = GetDeviceScrollPosition();
  // The bars keep the position within the document.
  SetScrollPos(SB_HORZ, ptDev.x);
  SetScrollPos(SB_VERT, ptDev.y);
  CPoint ptNew = GetDeviceScrollPosition();
  if (ptNew != ptOld) ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (m_nMapMode != 0) {
    pDC->SetMapMode(m_nMapMode);
    // A printed page starts at the document's origin; the screen at the scroll position.
    CPoint ptOrigin(0, 0);
    if (!pDC->IsPrinting()) ptOrigin = -GetDeviceScrollPosition();
    pDC->SetViewportOrg(ptOrigin);
  }
  CView::OnPrepareDC(pDC, pInfo);
}

// ---- Bars.

void CScrollView::GetScrollBarSizes(CSize& sizeSb) {
  sizeSb.cx = ::GetSystemMetrics(SM_CXVSCROLL);
  sizeSb.cy = ::GetSystemMetrics(SM_CYHSCROLL);
}

BOOL CScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb) {
  CRect rect;
  GetClientRect(&rect);
  size = rect.Size();
  GetScrollBarSizes(sizeSb);
  DWORD dwStyle = GetStyle();
  if (dwStyle & WS_VSCROLL) size.cx += sizeSb.cx;
  if (dwStyle & WS_HSCROLL) size.cy += sizeSb.cy;
  return size.cx > sizeSb.cx && size.cy > sizeSb.cy;
}

void CScrollView::UpdateBars() {
  if (m_bInsideUpdate || m_nMapMode == 0) return;
  m_bInsideUpdate = TRUE;
  CSize sizeClient;
  CSize sizeSb;
  bool bNeedH = false;
  bool bNeedV = false;
  if (GetTrueClientSize(sizeClient, sizeSb)) {
    bNeedH = m_totalDev.cx > sizeClient.cx;
    bNeedV = m_totalDev.cy > sizeClient.cy;
    // One bar takes room from the other direction and may make it needed too.
    if (bNeedH != bNeedV) {
      if (bNeedH) bNeedV = m_totalDev.cy > sizeClient.cy - sizeSb.cy;
      if (bNeedV) bNeedH = m_totalDev.cx > sizeClient.cx - sizeSb.cx;
    }
  }
  CSize sizeView(sizeClient.cx - (bNeedV ? sizeSb.cx : 0),
                 sizeClient.cy - (bNeedH ? sizeSb.cy : 0));
  // Bring the position back within the document before the bars change,
  // so that the contents move with it.
  CPoint ptPos = GetDeviceScrollPosition();
  CPoint ptMax(std::max(0L, m_totalDev.cx - sizeView.cx),
               std::max(0L, m_totalDev.cy - sizeView.cy));
  ScrollToDevicePosition(CPoint(bNeedH ? std::min(ptPos.x, ptMax.x) : 0L,
                                bNeedV ? std::min(ptPos.y, ptMax.y) : 0L));
  ptPos = GetDeviceScrollPosition();
  struct BarState {
    int nBar;
    bool bNeeded;
    LONG nTotal;
    LONG nPage;
    LONG nPos;
  };
  const BarState bars[] = {{SB_HORZ, bNeedH, m_totalDev.cx, sizeView.cx, ptPos.x},
                           {SB_VERT, bNeedV, m_totalDev.cy, sizeView.cy, ptPos.y}};
  for (const BarState& bar : bars) {
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    if (bar.bNeeded) {
      info.nMax = bar.nTotal - 1;
      info.nPage = static_cast<UINT>(bar.nPage);
      info.nPos = bar.nPos;
    }
    SetScrollInfo(bar.nBar, &info, TRUE);
    ShowScrollBar(bar.nBar, bar.bNeeded);
  }
  m_bInsideUpdate = FALSE;
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  UpdateBars();
}

// ---- Scrolling.

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
  CPoint ptOld = GetDeviceScrollPosition();
  int x = RequestedPosition(LOBYTE(nScrollCode), ptOld.x, nPos, m_lineDev.cx, m_pageDev.cx);
  int y = RequestedPosition(HIBYTE(nScrollCode), ptOld.y, nPos, m_lineDev.cy, m_pageDev.cy);
  // Requests may overshoot (SB_BOTTOM asks for the end); OnScrollBy keeps them in.
  CSize sizeScroll(x - ptOld.x, y - ptOld.y);
  BOOL bResult = OnScrollBy(sizeScroll, bDoScroll);
  if (bResult && bDoScroll) UpdateWindow();
  return bResult;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
  // A direction without a bar does not scroll.
  DWORD dwStyle = GetStyle();
  if ((dwStyle & WS_HSCROLL) == 0) sizeScroll.cx = 0;
  if ((dwStyle & WS_VSCROLL) == 0) sizeScroll.cy = 0;
  CPoint ptOld = GetDeviceScrollPosition();
  auto target = [](int nOld, LONG nDelta, int nLimit) {
    long long nWanted = static_cast<long long>(nOld) + nDelta;
    return static_cast<int>(std::clamp<long long>(nWanted, 0, nLimit));
  };
  CPoint ptNew(target(ptOld.x, sizeScroll.cx, ScrollLimit(m_hWnd, SB_HORZ)),
               target(ptOld.y, sizeScroll.cy, ScrollLimit(m_hWnd, SB_VERT)));
  if (ptNew == ptOld) return FALSE;
  if (bDoScroll) ScrollToDevicePosition(ptNew);
  return TRUE;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // A scroll bar control among the view's children scrolls itself.
  if (pScrollBar != nullptr) return;
  OnScroll(MAKEWORD(nSBCode, kNoScroll), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr) return;
  OnScroll(MAKEWORD(kNoScroll, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
  // The wheel moves the vertical bar, or the horizontal one when it is the only one.
  DWORD dwStyle = GetStyle();
  bool bVertical = (dwStyle & WS_VSCROLL) != 0;
  if (!bVertical && (dwStyle & WS_HSCROLL) == 0) return FALSE;
  UINT nLinesPerNotch = 3;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLinesPerNotch, 0);
  LONG nLine = bVertical ? m_lineDev.cy : m_lineDev.cx;
  LONG nPage = bVertical ? m_pageDev.cy : m_pageDev.cx;
  LONG nStep = nLinesPerNotch == WHEEL_PAGESCROLL ? nPage
                                                   : nLine * static_cast<LONG>(nLinesPerNotch);
  LONG nDistance = ::MulDiv(-zDelta, nStep, WHEEL_DELTA);
  BOOL bResult = OnScrollBy(bVertical ? CSize(0, nDistance) : CSize(nDistance, 0));
  if (bResult) UpdateWindow();
  return bResult;
}
