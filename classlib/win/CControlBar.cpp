#include "classlib/win/CControlBar.h"

#include <algorithm>

#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {
// The room a CBRS_BORDER_* edge takes: a line, or two with CBRS_BORDER_3D.
int EdgeWidth(DWORD dwStyle) { return (dwStyle & CBRS_BORDER_3D) ? 2 : 1; }
// A stretched bar is as long as the room it is given, up to this.
constexpr int kStretchedLength = 32767;
}  // namespace

CControlBar::~CControlBar() {
  if (m_pDockSite != nullptr) {
    POSITION pos = m_pDockSite->m_listControlBars.Find(this);
    if (pos != nullptr) m_pDockSite->m_listControlBars.RemoveAt(pos);
  }
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (cs.lpszClass == nullptr) return FALSE;
  }
  return CWnd::PreCreateWindow(cs);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (m_pDockSite == nullptr) m_pDockSite = GetParentFrame();
  if (m_pDockSite != nullptr && m_pDockSite->m_listControlBars.Find(this) == nullptr)
    m_pDockSite->m_listControlBars.AddTail(this);
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockSite != nullptr) {
    POSITION pos = m_pDockSite->m_listControlBars.Find(this);
    if (pos != nullptr) m_pDockSite->m_listControlBars.RemoveAt(pos);
    m_pDockSite = nullptr;
  }
  CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  if (m_dwStyle == dwStyle) return;
  m_dwStyle = dwStyle;
  // The borders may have changed the bar's size.
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->DelayRecalcLayout();
  if (m_hWnd != nullptr) Invalidate();
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_cxLeftBorder = cxLeft;
  m_cyTopBorder = cyTop;
  m_cxRightBorder = cxRight;
  m_cyBottomBorder = cyBottom;
}

BOOL CControlBar::IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }

CFrameWnd* CControlBar::GetDockingFrame() const {
  return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL) const {
  int nEdge = EdgeWidth(m_dwStyle);
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += nEdge;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += nEdge;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= nEdge;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= nEdge;
  rect.left += m_cxLeftBorder;
  rect.top += m_cyTopBorder;
  rect.right -= m_cxRightBorder;
  rect.bottom -= m_cyBottomBorder;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // The thickness is what the borders take around the default gap.
  CRect rectInside(0, 0, 0, 0);
  CalcInsideRect(rectInside, bHorz);
  CSize size(m_cyDefaultGap - rectInside.Width(), m_cyDefaultGap - rectInside.Height());
  if (bStretch) {
    if (bHorz)
      size.cx = kStretchedLength;
    else
      size.cy = kStretchedLength;
  }
  return size;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
  if (!IsVisible() || dwAlign == 0) return 0;
  BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0;
  CSize size = CalcFixedLayout(pLayout->bStretch, bHorz);
  CRect rect(pLayout->rect);
  CSize sizeAvail = rect.Size();
  // The bar takes a strip along its side, no longer than the room there is.
  size.cx = std::min(size.cx, sizeAvail.cx);
  size.cy = std::min(size.cy, sizeAvail.cy);
  if (dwAlign & CBRS_ALIGN_TOP) {
    rect.bottom = rect.top + size.cy;
    pLayout->rect.top += size.cy;
  } else if (dwAlign & CBRS_ALIGN_BOTTOM) {
    rect.top = rect.bottom - size.cy;
    pLayout->rect.bottom -= size.cy;
  } else if (dwAlign & CBRS_ALIGN_LEFT) {
    rect.right = rect.left + size.cx;
    pLayout->rect.left += size.cx;
  } else {
    rect.left = rect.right - size.cx;
    pLayout->rect.right -= size.cx;
  }
  if (bHorz) {
    rect.right = rect.left + size.cx;
    pLayout->sizeTotal.cy += size.cy;
    pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
  } else {
    rect.bottom = rect.top + size.cy;
    pLayout->sizeTotal.cx += size.cx;
    pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
  }
  if (pLayout->hDWP != nullptr) AfxRepositionWindow(pLayout, m_hWnd, &rect);
  return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (!IsVisible()) return 0;
  // The items show the state of the commands of the frame that owns the bar.
  CWnd* pOwner = GetOwner();
  CFrameWnd* pTarget = pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                           ? static_cast<CFrameWnd*>(pOwner)
                           : GetParentFrame();
  if (pTarget != nullptr) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
  return 0;
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
  int nEdge = EdgeWidth(m_dwStyle);
  COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
  COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  // A 3D edge is a shadow line with a highlight inside it.
  auto drawEdge = [&](int x, int y, int cx, int cy, int dx, int dy) {
    pDC->FillSolidRect(x, y, cx, cy, clrShadow);
    if (nEdge == 2) pDC->FillSolidRect(x + dx, y + dy, cx, cy, clrHilite);
  };
  if (m_dwStyle & CBRS_BORDER_TOP) drawEdge(rect.left, rect.top, rect.Width(), 1, 0, 1);
  if (m_dwStyle & CBRS_BORDER_BOTTOM) drawEdge(rect.left, rect.bottom - 1, rect.Width(), 1, 0, -1);
  if (m_dwStyle & CBRS_BORDER_LEFT) drawEdge(rect.left, rect.top, 1, rect.Height(), 1, 0);
  if (m_dwStyle & CBRS_BORDER_RIGHT) drawEdge(rect.right - 1, rect.top, 1, rect.Height(), -1, 0);
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += nEdge;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += nEdge;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= nEdge;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= nEdge;
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  return TRUE;
}

void CControlBar::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  DrawBorders(&dc, rect);
}
