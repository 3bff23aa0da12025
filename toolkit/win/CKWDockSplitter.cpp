#include "toolkit/win/CKWDockSplitter.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CFrameWnd.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWGlobalData.h"

CKWDockSplitter::CKWDockSplitter(CKWDockBar* pDockBar, const CRect& rect, int nKind, int nIndex)
    : m_rect(rect), m_nKind(nKind), m_nIndex(nIndex), m_pDockBar(pDockBar) {
  m_rectTrack.SetRectEmpty();
}

CFrameWnd* CKWDockSplitter::GetFrame() const {
  return m_pDockBar->m_hWnd != nullptr ? m_pDockBar->GetDockingFrame() : nullptr;
}

CPoint CKWDockSplitter::ToFrame(CPoint point) const {
  m_pDockBar->MapWindowPoints(GetFrame(), &point, 1);
  return point;
}

void CKWDockSplitter::Draw(CDC* pDC) const {
  const CKWGlobalData& data = KWGetGlobalData();
  pDC->FillSolidRect(&m_rect, data.clrBtnFace);
  for (const KWSplitterLine& line :
       KWSplitterEdges(m_rect, m_nKind, m_pDockBar->m_dwExStyle, data.bOfficeLook)) {
    const COLORREF colors[] = {data.clrBtnHilite, data.clrBtnShadow, data.clrWindowFrame};
    pDC->FillSolidRect(&line.rect, colors[line.color]);
  }
}

BOOL CKWDockSplitter::InvertTracker() {
  CFrameWnd* pFrame = GetFrame();
  if (pFrame == nullptr) return FALSE;
  if (m_rectTrack.IsRectEmpty()) {
    pFrame->Invalidate();
    return FALSE;
  }
  CDC* pDC = pFrame->GetDC();
  if (pDC == nullptr) return FALSE;
  const BOOL bPlain =
      (m_pDockBar->m_dwExStyle & kKWDockFlatSplitters) || KWGetGlobalData().bOfficeLook;
  const HDC hDC = pDC->GetSafeHdc();
  const HGDIOBJ hOld = ::SelectObject(
      hDC, bPlain ? ::GetStockObject(WHITE_BRUSH) : CDC::GetHalftoneBrush()->GetSafeHandle());
  // A line one pixel thinner than the strip.
  CRect rect = m_rectTrack;
  if (rect.Width() >= rect.Height())
    rect.DeflateRect(0, 1);
  else
    rect.DeflateRect(1, 0);
  pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
  ::SelectObject(hDC, hOld);
  pFrame->ReleaseDC(pDC);
  return TRUE;
}

void CKWDockSplitter::SetLength(int nValue) {
  if (m_nKind == kKWSplitterVert)
    m_rect.bottom = nValue;
  else
    m_rect.right = nValue;
}

BOOL CKWDockSplitter::OnLButtonDown(UINT, CPoint point) {
  CFrameWnd* pFrame = GetFrame();
  if (pFrame == nullptr || m_rect.IsRectEmpty()) {
    if (pFrame != nullptr) pFrame->Invalidate();
    return FALSE;
  }
  m_rectTrack = m_rect;
  m_pDockBar->MapWindowPoints(pFrame, &m_rectTrack);
  pFrame->ScreenToClient(&point);
  m_ptDrag = point;
  InitLimits();
  return InvertTracker();
}

BOOL CKWDockSplitter::Track(CPoint point) {
  if (!InvertTracker()) return FALSE;
  const CSize moved =
      KWSplitterDrag(m_extent, static_cast<UINT>(m_pDockBar->GetDlgCtrlID()), IsRowSplitter(),
                     m_nKind, point, m_ptDrag);
  m_rectTrack.OffsetRect(moved);
  m_ptDrag += moved;
  return InvertTracker();
}

void CKWDockSplitter::OnMouseMove(UINT, CPoint point) { Track(ToFrame(point)); }

BOOL CKWDockSplitter::OnLButtonUp(UINT, CPoint point) {
  if (!Track(ToFrame(point)) || !InvertTracker()) return FALSE;
  m_rectTrack.SetRectEmpty();
  if (m_extent.current != m_extent.start) {
    Apply();
    if (CFrameWnd* pFrame = GetFrame()) pFrame->DelayRecalcLayout(TRUE);
  }
  return TRUE;
}

void CKWDockSplitter::InitLimits() {
  m_extent = KWRowSplitterLimits(m_pDockBar->GetEntries(), m_nIndex,
                                 m_pDockBar->GetAvailableThickness());
}

void CKWDockSplitter::Apply() {
  m_pDockBar->SetRowThickness(m_nIndex, m_extent.current);
  if (CKWDockWindow* pWindow = m_pDockBar->FindExpandedDockWindow(m_nIndex))
    m_pDockBar->ExpandInRow(pWindow, FALSE);
}

void CKWBarSplitter::InitLimits() {
  m_extent = KWBarSplitterLimits(m_pDockBar->GetEntries(), m_nIndex,
                                 IsHorz() ? m_rect.top : m_rect.left);
}

void CKWBarSplitter::Apply() {
  const int delta = m_extent.current - m_extent.start;
  m_pDockBar->ResizeBefore(m_nIndex, delta);
  m_pDockBar->ResizeFrom(m_nIndex, -delta);
  if (CKWDockWindow* pWindow = m_pDockBar->FindExpandedDockWindow(m_nIndex))
    m_pDockBar->RestoreRow(pWindow, FALSE);
}
