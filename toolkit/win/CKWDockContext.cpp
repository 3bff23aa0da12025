#include "toolkit/win/CKWDockContext.h"

#include "classlib/core/CResourceException.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWinThread.h"
#include "toolkit/core/KWDockDrag.h"
#include "toolkit/win/CKWControlBar.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMiniDockFrameWnd.h"
#include "toolkit/win/CKWToolBarRenderer.h"

namespace {

// A docking window docked by a double click lays itself out as new.
constexpr DWORD kExStyleNewlyDocked = 0x1000;
// Added to a floating frame that only moves with its bar.
constexpr DWORD kExStyleMovedFrame = 0x1;
constexpr UINT kMovedFrameFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING;
constexpr UINT kPlaceFrameFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

bool IsHorz(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }
bool IsVert(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_VERT) != 0; }

// What the loop acts on itself; anything else is dispatched.
bool IsTrackMessage(UINT nMsg) {
  return nMsg == WM_MOUSEMOVE || nMsg == WM_KEYDOWN || nMsg == WM_KEYUP || nMsg == WM_LBUTTONUP ||
         nMsg == WM_RBUTTONDOWN;
}

bool IsInputMessage(UINT nMsg) {
  return (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST) ||
         (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST);
}

// Whether pWnd is still the object behind its window.
bool Alive(const CWnd* pWnd, HWND hWnd) {
  return pWnd != nullptr && hWnd != nullptr && ::IsWindow(hWnd) &&
         CWnd::FromHandlePermanent(hWnd) == pWnd;
}

// How far a floating frame reaches beyond its bar on each side.
// The class library's floating dock bar has no border of its own, so the
// frame's caption and sizing frame are all.
CRect FloatingFrameBorders() {
  CRect rect(0, 0, 0, 0);
  CMiniFrameWnd::CalcBorders(&rect, WS_CAPTION | WS_THICKFRAME);
  return CRect(-rect.left, -rect.top, rect.right, rect.bottom);
}

KWDragRects RectsOf(const CDockContext& c) {
  return {c.m_rectDragHorz, c.m_rectDragVert, c.m_rectFrameDragHorz, c.m_rectFrameDragVert};
}
void SetRects(CDockContext& c, const KWDragRects& rects) {
  c.m_rectDragHorz = rects.dragHorz;
  c.m_rectDragVert = rects.dragVert;
  c.m_rectFrameDragHorz = rects.frameHorz;
  c.m_rectFrameDragVert = rects.frameVert;
}

// The work a frame left for its idle time, which the drag loop does at once:
// the loop runs while the program's idle time cannot.
struct PendingWork : CFrameWnd {
  static constexpr UINT kLayout = idleLayout;
  static UINT& Flags(CFrameWnd* pFrame) { return pFrame->*(&PendingWork::m_nIdleFlags); }
};

// Where a dock bar takes a drop, on the screen; false for a dock bar
// without a parent.
bool HitAreaOf(CDockBar* pDockBar, CRect& area) {
  const HWND hParent = ::GetParent(pDockBar->m_hWnd);
  if (hParent == nullptr) return false;
  CRect window;
  pDockBar->GetWindowRect(&window);
  CRect parentClient;
  ::GetClientRect(hParent, &parentClient);
  ::MapWindowPoints(hParent, nullptr, reinterpret_cast<LPPOINT>(&parentClient), 2);
  area = KWDockBarHitArea(window, parentClient);
  return true;
}

bool IsInside(HWND hWnd, HWND hAncestor) {
  for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
    if (h == hAncestor) return true;
  return false;
}

}  // namespace

CKWDockContext::CKWDockContext(CControlBar* pBar) : CDockContext(pBar) {}

CKWDockContext::~CKWDockContext() {
  // A bar destroyed mid-drag takes its context along: the loop learns of
  // it, and the screen loses the frame drawn on it.
  if (m_pbAlive != nullptr) *m_pbAlive = FALSE;
  if (m_pDC != nullptr) {
    CDockContext::DrawFocusRect(TRUE);
    ::ReleaseDC(nullptr, m_pDC->Detach());
  }
}

BOOL CKWDockContext::BarAlive() const {
  return Alive(m_pBar, m_hBar) && Alive(m_pDockSite, m_hDockSite);
}

BOOL CKWDockContext::IsBarHorz() const { return IsHorz(m_dwStyle); }

// ---- The loop.

void CKWDockContext::InitLoop() {
  m_bFullWindowDrag =
      KWGetGlobalData().bFullDrag && m_pBar->SendMessage(KWM_CANDRAGFULLWINDOW) != 0;
  if (m_bFullWindowDrag) {
    // The bar itself moves: nothing is drawn on the screen.
    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = m_bFlip = m_bForceFrame = FALSE;
  } else {
    CDockContext::InitLoop();
  }
  m_hBar = m_pBar->m_hWnd;
  m_hDockSite = m_pDockSite != nullptr ? m_pDockSite->m_hWnd : nullptr;
  m_arrFrames.clear();
  m_bHavePrevMove = FALSE;
}

void CKWDockContext::CancelLoop() {
  if (!m_bFullWindowDrag) {
    CDockContext::CancelLoop();
    return;
  }
  if (::GetCapture() == m_hBar) ::ReleaseCapture();
}

CKWDockContext::TrackResult CKWDockContext::Track() {
  // The loop's own record of whether this context still exists: every
  // message may destroy the bar, and the context with it.
  BOOL bAlive = TRUE;
  m_pbAlive = &bAlive;
  const HWND hFocus = ::GetFocus();
  GetToolBarRenderer()->SetDragging(TRUE);
  if (hFocus != nullptr) m_pBar->SetFocus();

  TrackResult result = trackCancelled;
  HWND hLocked = nullptr;
  if (::GetCapture() == nullptr) {
    const HWND hBar = m_hBar;
    ::SetCapture(hBar);
    while (::GetCapture() == hBar) {
      MSG msg;
      // The screen is current before frames are drawn over it.
      while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
      if (!bAlive || !BarAlive()) {
        result = trackGone;
        break;
      }
      if (!::GetMessageA(&msg, nullptr, 0, 0)) {
        AfxPostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      if (!bAlive || !BarAlive()) {
        result = trackGone;
        break;
      }
      if (::GetCapture() != hBar) {
        // Another window took the mouse: the drag's own input ends with it.
        if (!IsInputMessage(msg.message)) ::DispatchMessageA(&msg);
        if (!bAlive || !BarAlive()) result = trackGone;
        break;
      }
      if (m_bFullWindowDrag && !m_pBar->IsFloating()) {
        ::LockWindowUpdate(m_hDockSite);
        hLocked = m_hDockSite;
      }
      if (msg.message != WM_MOUSEMOVE) m_bHavePrevMove = FALSE;
      if (IsTrackMessage(msg.message)) {
        if (!TrackMessage(msg, result)) break;
      } else {
        ::DispatchMessageA(&msg);
      }
      if (!bAlive || !BarAlive()) {
        result = trackGone;
        break;
      }
      RunPendingLayouts();
      if (hLocked != nullptr) {
        ::LockWindowUpdate(nullptr);
        hLocked = nullptr;
      }
    }
  }
  if (hLocked != nullptr) ::LockWindowUpdate(nullptr);
  if (result == trackGone) {
    if (bAlive) {
      m_pbAlive = nullptr;
      CancelLoop();
      m_bDragging = FALSE;
    }
    GetToolBarRenderer()->SetDragging(FALSE);
    if (::IsWindow(hFocus)) ::SetFocus(hFocus);
    return trackGone;
  }
  m_pbAlive = nullptr;
  EndTrack(hFocus);
  return result;
}

BOOL CKWDockContext::TrackMessage(const MSG& msg, TrackResult& result) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      if (!(msg.wParam & MK_LBUTTON)) return FALSE;
      if (m_bHavePrevMove && msg.pt.x == m_ptPrevMove.x && msg.pt.y == m_ptPrevMove.y) return TRUE;
      m_ptPrevMove = msg.pt;
      m_bHavePrevMove = TRUE;
      if (m_bDragging)
        Move(msg.pt);
      else
        Stretch(msg.pt);
      return TRUE;
    case WM_KEYDOWN:
      if (msg.wParam == VK_ESCAPE) return FALSE;
      if (m_bDragging) OnKey(static_cast<int>(msg.wParam), TRUE);
      return TRUE;
    case WM_KEYUP:
      if (m_bDragging) OnKey(static_cast<int>(msg.wParam), FALSE);
      return TRUE;
    case WM_LBUTTONUP:
      // The frame on the screen goes before any window moves under it.
      DrawFocusRect(TRUE);
      if (m_bDragging)
        EndDrag();
      else
        EndResize();
      result = trackDone;
      return FALSE;
    default: return FALSE;  // WM_RBUTTONDOWN
  }
}

void CKWDockContext::EndTrack(HWND hFocus) {
  m_pBar->SendMessage(KWM_DRAGENDED);
  CancelLoop();
  if (Alive(m_pDockSite, m_hDockSite)) m_pDockSite->RecalcLayout(TRUE);
  GetToolBarRenderer()->SetDragging(FALSE);
  if (hFocus != nullptr && ::IsWindow(hFocus)) ::SetFocus(hFocus);
  // The focus may have activated the frame again: a floating bar's frame
  // stays above the frame that owns it.
  if (m_pBar->IsFloating())
    ::SetWindowPos(m_pBar->GetParentFrame()->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CKWDockContext::RunPendingLayout(CFrameWnd* pFrame) {
  UINT& nIdleFlags = PendingWork::Flags(pFrame);
  if (nIdleFlags & PendingWork::kLayout) {
    pFrame->RecalcLayout(FALSE);
    nIdleFlags &= ~PendingWork::kLayout;
  }
}

void CKWDockContext::RunPendingLayouts() {
  if (Alive(m_pDockSite, m_hDockSite)) RunPendingLayout(m_pDockSite);
  for (const PendingFrame& f : m_arrFrames)
    if (Alive(f.pFrame, f.hWnd)) RunPendingLayout(f.pFrame);
  m_arrFrames.clear();
}

// ---- Dragging.

CKWDockContext::ActiveView CKWDockContext::FindActiveView() const {
  ActiveView view;
  view.pFrame = m_pBar->GetParentFrame();
  if (view.pFrame == nullptr) return view;
  view.hFrame = view.pFrame->m_hWnd;
  CView* pView = view.pFrame->GetActiveView();
  if (pView != nullptr && IsInside(pView->m_hWnd, m_pBar->m_hWnd)) {
    view.pView = pView;
    view.hView = pView->m_hWnd;
  }
  return view;
}

void CKWDockContext::RestoreActiveView(const ActiveView& view, BOOL bWasFloating) {
  CFrameWnd* pFrame = m_pBar->GetParentFrame();
  if (pFrame == nullptr || pFrame == view.pFrame) return;
  if (!bWasFloating && Alive(view.pFrame, view.hFrame)) {
    CView* pOld = view.pFrame->GetActiveView();
    if (pOld != nullptr && IsInside(pOld->m_hWnd, m_pBar->m_hWnd)) view.pFrame->SetActiveView(nullptr);
  }
  if (Alive(view.pView, view.hView)) pFrame->SetActiveView(view.pView);
}

void CKWDockContext::StartDrag(CPoint pt) {
  const ActiveView view = FindActiveView();
  m_bDragging = TRUE;
  const BOOL bWasFloating = m_pBar->IsFloating();
  const UINT uMRUDockID = m_uMRUDockID;
  const CRect rectMRUDockPos = m_rectMRUDockPos;
  const DWORD dwMRUFloatStyle = m_dwMRUFloatStyle;
  const CPoint ptMRUFloatPos = m_ptMRUFloatPos;

  InitLoop();
  CRect rect;
  m_pBar->GetWindowRect(&rect);
  m_ptLast = pt;
  KWDragStart start;
  const DWORD dwBarStyle = m_pBar->GetBarStyle();
  start.bar = rect;
  start.pt = pt;
  start.bBarHorz = IsBarHorz();
  start.frameBorders = FloatingFrameBorders();
  if (dwBarStyle & CBRS_SIZE_DYNAMIC) {
    start.sizing = kwSizeDynamic;
    start.horz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    start.vert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    start.floating = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
  } else if (dwBarStyle & CBRS_SIZE_FIXED) {
    start.sizing = kwSizeFixed;
    start.horz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    start.vert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
  } else {
    start.other =
        m_pBar->CalcDynamicLayout(-1, start.bBarHorz ? LM_VERTDOCK : LM_HORZ | LM_HORZDOCK);
  }
  SetRects(*this, KWStartDragRects(start));

  if (!bWasFloating) {
    // A bar may ask for its floating frame to be held elsewhere.
    CSize size = m_rectFrameDragHorz.Size();
    if (m_pBar->SendMessage(KWM_BARQUERY, 0, reinterpret_cast<LPARAM>(&size)) != 0)
      m_rectFrameDragHorz.OffsetRect(pt.x - (m_rectFrameDragHorz.left + size.cx),
                                     pt.y - (m_rectFrameDragHorz.top + size.cy));
  }

  m_dwOverDockStyle = CanDock();
  const KWDragRects startRects = RectsOf(*this);
  const DWORD dwStartOverStyle = m_dwOverDockStyle;
  CDockBar* pStartDockBar = m_pBar->m_pDockBar;
  const HWND hStartDockBar = pStartDockBar != nullptr ? pStartDockBar->m_hWnd : nullptr;
  m_pBar->PostMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pBar->m_hWnd));
  Move(pt);

  const TrackResult result = Track();
  if (result == trackGone) return;
  if (result == trackCancelled && m_bFullWindowDrag) {
    // The bar moved as the mouse did: it goes back where it was.
    SetRects(*this, startRects);
    if (!bWasFloating) {
      m_dwOverDockStyle = dwStartOverStyle;
      if (Alive(pStartDockBar, hStartDockBar))
        pStartDockBar->CDockBar::DockControlBar(
            m_pBar, IsVert(m_dwOverDockStyle) ? &m_rectDragVert : &m_rectDragHorz);
    } else {
      m_dwOverDockStyle = 0;
      EndDrag();
    }
    if (Alive(m_pDockSite, m_hDockSite)) m_pDockSite->RecalcLayout(TRUE);
  } else if (result == trackDone) {
    // The place the bar did not take keeps its earlier memory.
    const BOOL bFloating = m_pBar->IsFloating();
    if (bFloating && !bWasFloating) {
      m_uMRUDockID = uMRUDockID;
      m_rectMRUDockPos = rectMRUDockPos;
    } else if (!bFloating && bWasFloating) {
      m_dwMRUFloatStyle = dwMRUFloatStyle;
      m_ptMRUFloatPos = ptMRUFloatPos;
    }
    RestoreActiveView(view, bWasFloating);
  }
  m_bDragging = FALSE;
}

void CKWDockContext::Move(CPoint pt) {
  const CSize delta(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
  if (delta.cx == 0 && delta.cy == 0) return;
  KWDragRects rects = RectsOf(*this);
  KWMoveDragRects(rects, delta);
  SetRects(*this, rects);
  m_ptLast = pt;
  m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
  DrawFocusRect(FALSE);
}

void CKWDockContext::OnKey(int nChar, BOOL bDown) {
  if (nChar == VK_CONTROL) UpdateState(&m_bForceFrame, bDown);
  if (nChar == VK_SHIFT) UpdateState(&m_bFlip, bDown);
}

void CKWDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue) {
  KWDragKeys keys{m_bForceFrame, m_bFlip};
  const KWDragKey key = pFlag == &m_bForceFrame ? kwKeyControl : kwKeyShift;
  if (!KWApplyDragKey(keys, key, bNewValue, m_dwDockStyle)) return;
  m_bForceFrame = keys.bForceFrame;
  m_bFlip = keys.bFlip;
  m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
  DrawFocusRect(FALSE);
}

DWORD CKWDockContext::CanDock() {
  if (m_pDockSite == nullptr) return 0;
  return KWOverDockStyle(RectsOf(*this), IsBarHorz(), m_bFlip, m_dwDockStyle,
                         [this](const CRect& rect, DWORD dwStyle) { return CanDockAt(rect, dwStyle); });
}

DWORD CKWDockContext::CanDockAt(const CRect& rect, DWORD dwStyle, CDockBar** ppDockBar) {
  DWORD dwDock = FindDockBarInFrame(m_pDockSite, rect, dwStyle, ppDockBar);
  if (dwDock != 0) return dwDock;
  CFrameWnd* pTarget = FindTargetFrame();
  if (pTarget == nullptr) return 0;
  dwDock = FindDockBarInFrame(pTarget, rect, dwStyle, ppDockBar);
  if (dwDock != 0) {
    // Both frames lay out again once the message that moved the drag is done.
    m_pDockSite->DelayRecalcLayout(FALSE);
    pTarget->DelayRecalcLayout(FALSE);
    m_arrFrames.push_back({m_pDockSite, m_pDockSite->m_hWnd});
    m_arrFrames.push_back({pTarget, pTarget->m_hWnd});
    m_pDockSite = pTarget;
    m_hDockSite = pTarget->m_hWnd;
  }
  return dwDock;
}

DWORD CKWDockContext::FindDockBarInFrame(CFrameWnd* pFrame, const CRect& rect, DWORD dwStyle,
                                         CDockBar** ppDockBar) {
  CPoint cursor;
  const BOOL bCursor = ::GetCursorPos(&cursor);
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (!pBar->IsDockBar() || !pBar->IsWindowVisible()) continue;
    auto* pDockBar = static_cast<CDockBar*>(pBar);
    if ((dwStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY) == 0) continue;
    if (pDockBar->m_bFloating &&
        !((dwStyle & CBRS_FLOAT_MULTI) && (pDockBar->m_dwStyle & CBRS_FLOAT_MULTI)))
      continue;
    CRect area;
    if (!HitAreaOf(pDockBar, area)) continue;
    CRect overlap;
    if (bCursor ? !area.PtInRect(cursor) : !overlap.IntersectRect(&rect, &area)) continue;
    if (ppDockBar != nullptr) *ppDockBar = pDockBar;
    return pDockBar->m_dwStyle & dwStyle;
  }
  return 0;
}

CFrameWnd* CKWDockContext::FindTargetFrame() {
  if (m_pDockSite == nullptr || m_pBar == nullptr || !m_pBar->IsKindOf(RUNTIME_CLASS(CKWControlBar)))
    return nullptr;
  auto* pBar = static_cast<CKWControlBar*>(m_pBar);
  CPoint cursor;
  CWnd* pMain = AfxGetMainWnd();
  if (!::GetCursorPos(&cursor) || pMain == nullptr) return nullptr;
  const auto accepts = [&](CFrameWnd* pFrame) {
    return pFrame != nullptr && pFrame != m_pDockSite && pBar->GetDragFlag(pFrame, 0) ? pFrame
                                                                                       : nullptr;
  };
  for (HWND h = ::GetWindow(pMain->m_hWnd, GW_HWNDFIRST); h != nullptr;
       h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ||
        pWnd->IsKindOf(RUNTIME_CLASS(CKWMiniDockFrameWnd)))
      continue;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    if (!rect.PtInRect(cursor)) continue;
    if (pWnd == m_pDockSite) break;
    return accepts(static_cast<CFrameWnd*>(pWnd));
  }
  if (CFrameWnd* pFrame = accepts(m_pDockSite->GetActiveFrame())) return pFrame;
  return accepts(m_pDockSite->GetParentFrame());
}

CKWDockBar* CKWDockContext::GetDockBar(DWORD dwOverDockStyle) {
  CDockBar* pDockBar = nullptr;
  if (IsHorz(dwOverDockStyle))
    CanDockAt(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &pDockBar);
  else if (IsVert(dwOverDockStyle))
    CanDockAt(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &pDockBar);
  if (pDockBar == nullptr || !pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar))) return nullptr;
  return static_cast<CKWDockBar*>(pDockBar);
}

void CKWDockContext::DrawFocusRect(BOOL bRemoveRect) {
  if (m_bFullWindowDrag) {
    // The bar itself shows where it goes.
    if (bRemoveRect) return;
    if (m_bDragging)
      EndDrag();
    else
      EndResize();
    return;
  }
  if (m_pDC == nullptr) return;
  KWFeedbackInput in;
  in.rects = RectsOf(*this);
  in.dwOverDockStyle = m_dwOverDockStyle;
  // An empty dock bar's length is its reach, not its empty window.
  if (CKWDockBar* pDockBar = m_dwOverDockStyle != 0 ? GetDockBar(m_dwOverDockStyle) : nullptr)
    HitAreaOf(pDockBar, in.dockBar);
  in.bDockWindow = m_pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow));
  in.bBarHorz = IsBarHorz();
  in.bFlip = m_bFlip;
  in.frameMetrics = CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
  in.bRemove = bRemoveRect;
  const KWDragFeedback feedback = KWDragFeedbackFor(in);
  CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  CBrush* pHalftone = CDC::GetHalftoneBrush();
  m_pDC->DrawDragRect(&feedback.rect, feedback.edge, m_rectLast.IsRectEmpty() ? nullptr : &m_rectLast,
                      m_sizeLast, feedback.bHalftone ? pHalftone : pWhite,
                      m_bDitherLast ? pHalftone : pWhite);
  m_rectLast = feedback.rect;
  m_sizeLast = feedback.edge;
  m_bDitherLast = feedback.bHalftone;
}

void CKWDockContext::RestoreExpandedRow() {
  if (!m_pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow))) return;
  auto* pWindow = static_cast<CKWDockWindow*>(m_pBar);
  CDockBar* pDockBar = m_pBar->m_pDockBar;
  if (pWindow->IsExpanded() && pDockBar != nullptr && pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar)))
    static_cast<CKWDockBar*>(pDockBar)->RestoreRow(pWindow, TRUE);
}

void CKWDockContext::EndDrag() {
  if (m_dwOverDockStyle == 0) {
    RestoreExpandedRow();
    FloatBar(KWFloatStyle(m_pBar->GetBarStyle(), IsBarHorz(), m_bFlip, m_dwDockStyle));
    if (m_pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow)))
      static_cast<CKWDockWindow*>(m_pBar)->RestoreFloatSize();
    return;
  }
  // Over another kind of dock bar the bar stays where it was.
  CKWDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
  if (pDockBar == nullptr) return;
  if (pDockBar != m_pBar->m_pDockBar) RestoreExpandedRow();
  CRect rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
  m_uMRUDockID = LOWORD(pDockBar->GetDlgCtrlID());
  m_rectMRUDockPos = rect;
  pDockBar->ScreenToClient(&m_rectMRUDockPos);
  pDockBar->DockControlBar(m_pBar, &rect);
  m_pDockSite->RecalcLayout(FALSE);
}

void CKWDockContext::FloatBar(DWORD dwStyle) {
  const CPoint pt = m_rectFrameDragHorz.TopLeft();
  m_ptMRUFloatPos = pt;
  m_dwMRUFloatStyle = dwStyle;
  CDockBar* pDockBar = m_pBar->m_pDockBar;
  if (pDockBar != nullptr && pDockBar->m_bFloating && pDockBar->GetDockedCount() == 1 &&
      (dwStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY) != 0) {
    // Alone in its floating frame already: the frame only moves.
    CWnd* pFrame = pDockBar->GetParent();
    pFrame->ModifyStyleEx(0, kExStyleMovedFrame, 0);
    pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, kMovedFrameFlags);
    return;
  }
  if (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) dwStyle |= CBRS_SIZE_DYNAMIC;
  CMiniDockFrameWnd* pFrame = nullptr;
  try {
    pFrame = m_pDockSite->CreateFloatingFrame(dwStyle);
  } catch (CResourceException* e) {
    // No frame to float in: the bar stays where it is.
    e->Delete();
    return;
  }
  pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, kPlaceFrameFlags);
  // A new frame has no owner of its own: its commands go by way of the bar.
  pFrame->SetOwner(m_pBar);
  pFrame->m_wndDockBar.CDockBar::DockControlBar(m_pBar);
  pFrame->RecalcLayout(TRUE);
  if (m_pBar->GetStyle() & WS_VISIBLE) {
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->UpdateWindow();
  }
}

// ---- Resizing a floating bar.

void CKWDockContext::StartResize(int nHitTest, CPoint pt) {
  m_bDragging = FALSE;
  InitLoop();
  if (m_pDC != nullptr) ::SetLayout(m_pDC->m_hDC, 0);
  CRect rect;
  m_pBar->GetWindowRect(&rect);
  m_ptLast = pt;
  m_nHitTest = nHitTest;
  const CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
  m_rectRequestedSize = CRect(rect.TopLeft(), size);
  m_rectActualSize = m_rectRequestedSize;
  CRect frame = m_rectActualSize;
  frame.InflateRect(FloatingFrameBorders());
  m_rectActualFrameSize = frame;
  m_rectFrameBorders = CRect(CPoint(0, 0), CSize(frame.Width() - size.cx, frame.Height() - size.cy));
  m_dwOverDockStyle = 0;
  Stretch(pt);
  const TrackResult result = Track();
  if (result == trackCancelled && m_bFullWindowDrag) Stretch(pt);
}

void CKWDockContext::Stretch(CPoint pt) {
  const CSize delta(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
  const bool bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
  const bool bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
  CSize size = m_rectActualSize.Size();
  if (m_nHitTest != HTTOP && m_nHitTest != HTBOTTOM) {
    (bLeft ? m_rectRequestedSize.left : m_rectRequestedSize.right) += delta.cx;
    size = m_pBar->CalcDynamicLayout(m_rectRequestedSize.Width(), LM_HORZ);
  }
  if (m_nHitTest != HTLEFT && m_nHitTest != HTRIGHT) {
    (bTop ? m_rectRequestedSize.top : m_rectRequestedSize.bottom) += delta.cy;
    size = m_pBar->CalcDynamicLayout(m_rectRequestedSize.Height(), LM_HORZ | LM_LENGTHY);
  }
  // The frame keeps the corner opposite the one dragged; a side keeps the
  // bottom-right, except the bottom edge and the right edge the top-left.
  const bool bAnchorRight = bLeft || m_nHitTest == HTTOP;
  const bool bAnchorBottom = bTop || m_nHitTest == HTLEFT;
  const CSize extent(size.cx + m_rectFrameBorders.Width(), size.cy + m_rectFrameBorders.Height());
  const CRect& old = m_rectActualFrameSize;
  const int left = bAnchorRight ? old.right - extent.cx : old.left;
  const int top = bAnchorBottom ? old.bottom - extent.cy : old.top;
  const CRect frame(CPoint(left, top), extent);
  CRect desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  CRect onScreen;
  if (onScreen.IntersectRect(&frame, &desktop)) {
    m_rectActualFrameSize = frame;
    m_rectActualSize = CRect(frame.TopLeft(), size);
  }
  m_ptLast = pt;
  DrawFocusRect(FALSE);
}

// The bar keeps its own width (the class library's): the frame's borders are
// not the bar's to keep.
void CKWDockContext::EndResize() { CDockContext::EndResize(); }

// ---- Double click.

void CKWDockContext::ToggleDocking() {
  m_pDockSite = m_pBar->m_pDockSite;
  if (m_pDockSite == nullptr) return;
  const ActiveView view = FindActiveView();
  const BOOL bWasFloating = m_pBar->IsFloating();
  m_dwDockStyle = m_pBar->m_dwDockStyle;
  if (!bWasFloating) {
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
      pt = m_rectMRUDockPos.TopLeft();
      m_pBar->GetParent()->ClientToScreen(&pt);
    }
    m_rectFrameDragHorz = CRect(pt, m_rectFrameDragHorz.Size());
    RestoreExpandedRow();
    FloatBar(CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    if (m_pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow)))
      static_cast<CKWDockWindow*>(m_pBar)->RestoreFloatSize();
  } else if (m_dwDockStyle & CBRS_ALIGN_ANY) {
    CRect rect = m_rectMRUDockPos;
    CControlBar* pTarget = m_uMRUDockID != 0 ? m_pDockSite->GetControlBar(m_uMRUDockID) : nullptr;
    if (pTarget != nullptr && !pTarget->IsDockBar()) pTarget = nullptr;
    if (pTarget != nullptr) pTarget->ClientToScreen(&rect);
    if (m_pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow)))
      static_cast<CKWDockWindow*>(m_pBar)->ModifyExtendedStyle(0, kExStyleNewlyDocked, FALSE);
    if (pTarget != nullptr && pTarget->IsKindOf(RUNTIME_CLASS(CKWDockBar)))
      static_cast<CKWDockBar*>(pTarget)->DockControlBar(m_pBar, &rect);
    else if (pTarget != nullptr)
      static_cast<CDockBar*>(pTarget)->DockControlBar(m_pBar, &rect);
    else
      m_pDockSite->ReDockControlBar(m_pBar, nullptr, &rect);
    m_pDockSite->RecalcLayout(TRUE);
  }
  RestoreActiveView(view, bWasFloating);
}
