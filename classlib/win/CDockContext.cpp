#include "classlib/win/CDockContext.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniFrameWnd.h"

namespace {

bool IsHorz(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }
bool IsVert(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_VERT) != 0; }

// The frame drawn over a dock bar: a thin line; off the dock bars the thick
// dithered frame of a floating window.
constexpr int kDockedDragEdge = 2;

bool IsInputMessage(UINT nMsg) {
  return (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST) ||
         (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST);
}

// Moves rect by the least amount that puts pt inside it.
void KeepPointInside(CRect& rect, CPoint pt) {
  int dx = pt.x < rect.left ? pt.x - rect.left : pt.x >= rect.right ? pt.x - rect.right + 1 : 0;
  int dy = pt.y < rect.top ? pt.y - rect.top : pt.y >= rect.bottom ? pt.y - rect.bottom + 1 : 0;
  rect.OffsetRect(dx, dy);
}

}  // namespace

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite) {}

CDockContext::~CDockContext() { delete m_pDC; }

BOOL CDockContext::IsHorzOrientation() const {
  BOOL bHorz = IsHorz(m_dwStyle);
  return m_bFlip ? !bHorz : bHorz;
}

// ---- The loop.

void CDockContext::InitLoop() {
  // The screen is current before frames are drawn over it.
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
  m_pDockSite = m_pBar->m_pDockSite;
  m_dwDockStyle = m_pBar->m_dwDockStyle;
  m_dwStyle = m_pBar->GetBarStyle() & CBRS_ALIGN_ANY;
  m_bFlip = m_bForceFrame = FALSE;
  m_bDitherLast = FALSE;
  m_rectLast.SetRectEmpty();
  m_sizeLast = CSize(0, 0);
  m_dwOverDockStyle = 0;
  // The frames are drawn on the screen itself, over every window.
  delete m_pDC;
  m_pDC = new CDC;
  m_pDC->Attach(::GetDC(nullptr));
}

void CDockContext::CancelLoop() {
  DrawFocusRect(TRUE);
  if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
  if (m_pDC != nullptr) {
    ::ReleaseDC(nullptr, m_pDC->Detach());
    delete m_pDC;
    m_pDC = nullptr;
  }
}

BOOL CDockContext::Track() {
  // Another window holding the mouse (a menu, a drag of its own) wins.
  if (::GetCapture() != nullptr) {
    CancelLoop();
    return FALSE;
  }
  ::SetCapture(m_pBar->m_hWnd);
  while (::GetCapture() == m_pBar->m_hWnd) {
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) {
      // The quit belongs to the program's own loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (::GetCapture() != m_pBar->m_hWnd) {
      // Another window took the mouse while the loop waited: the drag's own
      // input (the button going up) ends with it; anything else goes on.
      if (!IsInputMessage(msg.message)) ::DispatchMessageA(&msg);
      break;
    }
    switch (msg.message) {
      case WM_LBUTTONUP:
        // The frame on the screen goes before windows move.
        DrawFocusRect(TRUE);
        if (m_bDragging)
          EndDrag();
        else
          EndResize();
        CancelLoop();
        return TRUE;
      case WM_MOUSEMOVE:
        if (m_bDragging)
          Move(msg.pt);
        else
          Stretch(msg.pt);
        break;
      case WM_KEYDOWN:
      case WM_KEYUP:
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
          CancelLoop();
          return FALSE;
        }
        if (m_bDragging) OnKey(static_cast<int>(msg.wParam), msg.message == WM_KEYDOWN);
        break;
      case WM_RBUTTONDOWN: CancelLoop(); return FALSE;
      default: ::DispatchMessageA(&msg); break;
    }
  }
  // The capture went elsewhere.
  CancelLoop();
  return FALSE;
}

// ---- Dragging.

void CDockContext::StartDrag(CPoint pt) {
  m_bDragging = TRUE;
  InitLoop();
  CRect rect;
  m_pBar->GetWindowRect(&rect);
  m_ptLast = pt;
  DWORD dwBarStyle = m_pBar->GetBarStyle();
  if (dwBarStyle & CBRS_SIZE_DYNAMIC) {
    CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
    m_rectFrameDragVert = m_rectFrameDragHorz;
  } else if (dwBarStyle & CBRS_SIZE_FIXED) {
    m_rectDragHorz = CRect(rect.TopLeft(), m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = CRect(rect.TopLeft(), m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK));
    m_rectFrameDragHorz = m_rectDragHorz;
    m_rectFrameDragVert = m_rectDragVert;
  } else {
    // The bar as it is, and turned about the mouse.
    if (IsHorz(m_dwStyle)) {
      CSize size = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
      m_rectDragHorz = rect;
      m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), size);
    } else {
      CSize size = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
      m_rectDragVert = rect;
      m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), size);
    }
    m_rectFrameDragHorz = m_rectDragHorz;
    m_rectFrameDragVert = m_rectDragVert;
  }
  // A floating bar's frame goes round it.
  CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz);
  CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert);
  KeepPointInside(m_rectDragHorz, pt);
  KeepPointInside(m_rectDragVert, pt);
  KeepPointInside(m_rectFrameDragHorz, pt);
  KeepPointInside(m_rectFrameDragVert, pt);

  m_dwOverDockStyle = CanDock();
  DrawFocusRect();
  Track();
  m_bDragging = FALSE;
}

void CDockContext::Move(CPoint pt) {
  CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
  if (ptOffset.x == 0 && ptOffset.y == 0) return;
  m_rectDragHorz.OffsetRect(ptOffset);
  m_rectDragVert.OffsetRect(ptOffset);
  m_rectFrameDragHorz.OffsetRect(ptOffset);
  m_rectFrameDragVert.OffsetRect(ptOffset);
  m_ptLast = pt;
  m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
  DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown) {
  if (nChar == VK_CONTROL) UpdateState(&m_bForceFrame, bDown);
  if (nChar == VK_SHIFT) UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue) {
  if (*pFlag == bNewValue) return;
  *pFlag = bNewValue;
  // Turning needs a bar that may dock both ways.
  if (!(IsHorz(m_dwDockStyle) && IsVert(m_dwDockStyle))) m_bFlip = FALSE;
  m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
  DrawFocusRect();
}

DWORD CDockContext::CanDock() {
  if (m_pDockSite == nullptr) return 0;
  DWORD dwHorzStyle = m_dwDockStyle & ~CBRS_ORIENT_VERT;
  DWORD dwVertStyle = m_dwDockStyle & ~CBRS_ORIENT_HORZ;
  BOOL bHorz = IsHorzOrientation();
  DWORD dwDock = 0;
  if (bHorz && IsHorz(m_dwDockStyle))
    dwDock = m_pDockSite->CanDock(m_rectDragHorz, dwHorzStyle);
  else if (!bHorz && IsVert(m_dwDockStyle))
    dwDock = m_pDockSite->CanDock(m_rectDragVert, dwVertStyle);
  // Unless Shift holds the orientation, a bar also docks turned.
  if (dwDock == 0 && !m_bFlip) {
    if (bHorz && IsVert(m_dwDockStyle))
      dwDock = m_pDockSite->CanDock(m_rectDragVert, dwVertStyle);
    else if (!bHorz && IsHorz(m_dwDockStyle))
      dwDock = m_pDockSite->CanDock(m_rectDragHorz, dwHorzStyle);
  }
  return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle) {
  CDockBar* pDockBar = nullptr;
  if (IsHorz(dwOverDockStyle) &&
      m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &pDockBar) != 0)
    return pDockBar;
  if (IsVert(dwOverDockStyle) &&
      m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &pDockBar) != 0)
    return pDockBar;
  return nullptr;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect) {
  if (m_pDC == nullptr || (bRemoveRect && m_rectLast.IsRectEmpty())) return;
  CRect rect;
  CSize size(kDockedDragEdge, kDockedDragEdge);
  BOOL bDither = FALSE;
  if (!m_bDragging) {
    rect = m_rectActualFrameSize;
    size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    bDither = TRUE;
  } else if (IsHorz(m_dwOverDockStyle)) {
    rect = m_rectDragHorz;
  } else if (IsVert(m_dwOverDockStyle)) {
    rect = m_rectDragVert;
  } else {
    rect = IsHorzOrientation() ? m_rectFrameDragHorz : m_rectFrameDragVert;
    size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    bDither = TRUE;
  }
  if (bRemoveRect) size = CSize(0, 0);
  CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  CBrush* pDither = CDC::GetHalftoneBrush();
  m_pDC->DrawDragRect(&rect, size, m_rectLast.IsRectEmpty() ? nullptr : &m_rectLast, m_sizeLast,
                      bDither ? pDither : pWhite, m_bDitherLast ? pDither : pWhite);
  if (bRemoveRect) {
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
  } else {
    m_rectLast = rect;
    m_sizeLast = size;
  }
  m_bDitherLast = bDither;
}

DWORD CDockContext::GetFloatStyle() const {
  // A bar that wraps its items floats as a row; others float as they would lie.
  BOOL bHorz = (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) || IsHorzOrientation();
  return (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
}

void CDockContext::EndDrag() {
  if (m_dwOverDockStyle == 0) {
    DWORD dwStyle = GetFloatStyle();
    m_dwMRUFloatStyle = dwStyle;
    m_ptMRUFloatPos =
        (dwStyle & CBRS_ALIGN_TOP) ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, dwStyle);
    return;
  }
  CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
  if (pDockBar == nullptr) return;
  CRect rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
  m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
  m_rectMRUDockPos = rect;
  pDockBar->ScreenToClient(&m_rectMRUDockPos);
  m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
  m_pDockSite->RecalcLayout();
}

// ---- Resizing a floating bar.

void CDockContext::StartResize(int nHitTest, CPoint pt) {
  m_bDragging = FALSE;
  InitLoop();
  m_nHitTest = nHitTest;
  m_ptLast = pt;
  CRect rect;
  m_pBar->GetWindowRect(&rect);
  CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
  m_rectRequestedSize = CRect(rect.TopLeft(), size);
  m_rectActualSize = m_rectRequestedSize;
  CRect rectFrame = m_rectActualSize;
  CMiniFrameWnd::CalcBorders(&rectFrame);
  m_rectActualFrameSize = rectFrame;
  m_rectFrameBorders =
      CRect(CPoint(m_rectActualSize.left - rectFrame.left, m_rectActualSize.top - rectFrame.top),
            CSize(rectFrame.Width() - size.cx, rectFrame.Height() - size.cy));
  DrawFocusRect();
  Track();
}

void CDockContext::Stretch(CPoint pt) {
  CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
  bool bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
  bool bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
  CSize size = m_rectActualSize.Size();
  if (m_nHitTest != HTTOP && m_nHitTest != HTBOTTOM) {
    if (bLeft)
      m_rectRequestedSize.left += ptOffset.x;
    else
      m_rectRequestedSize.right += ptOffset.x;
    size = m_pBar->CalcDynamicLayout(m_rectRequestedSize.Width(), LM_HORZ);
  }
  if (m_nHitTest != HTLEFT && m_nHitTest != HTRIGHT) {
    if (bTop)
      m_rectRequestedSize.top += ptOffset.y;
    else
      m_rectRequestedSize.bottom += ptOffset.y;
    size = m_pBar->CalcDynamicLayout(m_rectRequestedSize.Height(), LM_HORZ | LM_LENGTHY);
  }
  // The frame keeps the corner opposite the one dragged.
  CRect rectFrame = m_rectActualFrameSize;
  CSize sizeFrame(size.cx + m_rectFrameBorders.Width(), size.cy + m_rectFrameBorders.Height());
  if (bLeft)
    rectFrame.left = rectFrame.right - sizeFrame.cx;
  else
    rectFrame.right = rectFrame.left + sizeFrame.cx;
  if (bTop)
    rectFrame.top = rectFrame.bottom - sizeFrame.cy;
  else
    rectFrame.bottom = rectFrame.top + sizeFrame.cy;
  CRect rectDesktop;
  ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);
  CRect rectOnScreen;
  if (rectOnScreen.IntersectRect(&rectFrame, &rectDesktop)) {
    m_rectActualFrameSize = rectFrame;
    m_rectActualSize = CRect(
        CPoint(rectFrame.left + m_rectFrameBorders.left, rectFrame.top + m_rectFrameBorders.top),
        size);
  }
  m_ptLast = pt;
  DrawFocusRect();
}

void CDockContext::EndResize() {
  m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
  m_pDockSite->FloatControlBar(
      m_pBar, m_rectActualFrameSize.TopLeft(),
      CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

// ---- Double click.

void CDockContext::ToggleDocking() {
  m_pDockSite = m_pBar->m_pDockSite;
  if (m_pDockSite == nullptr) return;
  if (m_pBar->IsFloating()) {
    if ((m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0) return;
    // Back where it was docked last: its kept place, else the same spot.
    auto* pDockBar = m_uMRUDockID != 0
                         ? static_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID))
                         : nullptr;
    CRect rect = m_rectMRUDockPos;
    if (pDockBar != nullptr) pDockBar->ClientToScreen(&rect);
    m_pDockSite->ReDockControlBar(m_pBar, pDockBar, pDockBar != nullptr ? &rect : nullptr);
    m_pDockSite->RecalcLayout();
    return;
  }
  CPoint pt = m_ptMRUFloatPos;
  if (pt.x < 0 || pt.y < 0) {
    pt = m_rectMRUDockPos.TopLeft();
    m_pBar->GetParent()->ClientToScreen(&pt);
  }
  DWORD dwStyle = m_dwMRUFloatStyle != 0
                      ? m_dwMRUFloatStyle
                      : CBRS_ALIGN_TOP | (m_pBar->m_dwDockStyle & CBRS_FLOAT_MULTI);
  m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
}
