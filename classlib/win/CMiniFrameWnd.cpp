#include "classlib/win/CMiniFrameWnd.h"

#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
  ON_WM_NCCALCSIZE()
  ON_WM_NCHITTEST()
  ON_WM_NCPAINT()
  ON_WM_NCACTIVATE()
  ON_WM_NCLBUTTONDOWN()
  ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kThickStyles = WS_THICKFRAME | MFS_THICKFRAME | MFS_4THICKFRAME;

CSize FrameEdges(DWORD dwStyle) {
  return (dwStyle & kThickStyles)
             ? CSize(::GetSystemMetrics(SM_CXSIZEFRAME), ::GetSystemMetrics(SM_CYSIZEFRAME))
             : CSize(::GetSystemMetrics(SM_CXFIXEDFRAME), ::GetSystemMetrics(SM_CYFIXEDFRAME));
}

int CaptionHeight() { return ::GetSystemMetrics(SM_CYSMCAPTION); }

void GrowByFrame(LPRECT lpRect, DWORD dwStyle, BOOL bCaption) {
  CSize edges = FrameEdges(dwStyle);
  ::InflateRect(lpRect, edges.cx, edges.cy);
  if (bCaption) lpRect->top -= CaptionHeight();
}

}  // namespace

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (cs.lpszClass == nullptr) return FALSE;
  }
  return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMiniFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT nID) {
  m_bCaption = (dwStyle & WS_CAPTION) != 0;
  m_bSysMenu = (dwStyle & WS_SYSMENU) != 0;
  if (dwStyle & WS_THICKFRAME) dwStyle |= MFS_THICKFRAME;
  // The frame draws its caption and edges itself: Windows sees a plain popup.
  dwStyle &= ~(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  return CreateEx(WS_EX_TOOLWINDOW, lpszClassName, lpszWindowName, dwStyle | WS_POPUP, rect,
                  pParentWnd, nID);
}

void CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD) {
  GrowByFrame(lpClientRect, dwStyle, (dwStyle & WS_CAPTION) != 0);
}

void CMiniFrameWnd::CalcWindowRect(LPRECT lpClientRect) const {
  GrowByFrame(lpClientRect, GetStyle(), m_bCaption);
}

CRect CMiniFrameWnd::GetCaptionRect() const {
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  CSize edges = FrameEdges(GetStyle());
  return CRect(edges.cx, edges.cy, rectWindow.Width() - edges.cx, edges.cy + CaptionHeight() - 1);
}

CRect CMiniFrameWnd::GetCloseButtonRect() const {
  if (!m_bSysMenu) return CRect(0, 0, 0, 0);
  CRect rect = GetCaptionRect();
  // A square button at the caption's end, inside a pixel of room.
  rect.DeflateRect(1, 1);
  rect.left = rect.right - rect.Height();
  return rect;
}

void CMiniFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
  RECT& rect = lpncsp->rgrc[0];
  CSize edges = FrameEdges(GetStyle());
  ::InflateRect(&rect, -edges.cx, -edges.cy);
  if (m_bCaption) rect.top += CaptionHeight();
  if (rect.bottom < rect.top) rect.bottom = rect.top;
  if (rect.right < rect.left) rect.right = rect.left;
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point) {
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  if (!rectWindow.PtInRect(point)) return HTNOWHERE;
  CRect rectClient;
  GetClientRect(&rectClient);
  ClientToScreen(&rectClient);
  if (rectClient.PtInRect(point)) return HTCLIENT;
  CPoint pt(point.x - rectWindow.left, point.y - rectWindow.top);
  if (m_bCaption) {
    if (GetCloseButtonRect().PtInRect(pt)) return HTCLOSE;
    if (GetCaptionRect().PtInRect(pt)) return HTCAPTION;
  }
  DWORD dwStyle = GetStyle();
  if (dwStyle & MFS_MOVEFRAME) return HTCAPTION;
  if ((dwStyle & MFS_THICKFRAME) == 0) return HTBORDER;
  // The edges resize; near a corner, both ways.
  int nCorner = CaptionHeight();
  bool bLeft = pt.x < nCorner, bRight = pt.x >= rectWindow.Width() - nCorner;
  bool bTop = pt.y < nCorner, bBottom = pt.y >= rectWindow.Height() - nCorner;
  CSize edges = FrameEdges(dwStyle);
  bool bOnLeft = pt.x < edges.cx, bOnRight = pt.x >= rectWindow.Width() - edges.cx;
  bool bOnTop = pt.y < edges.cy, bOnBottom = pt.y >= rectWindow.Height() - edges.cy;
  if ((bOnTop && bLeft) || (bOnLeft && bTop)) return HTTOPLEFT;
  if ((bOnTop && bRight) || (bOnRight && bTop)) return HTTOPRIGHT;
  if ((bOnBottom && bLeft) || (bOnLeft && bBottom)) return HTBOTTOMLEFT;
  if ((bOnBottom && bRight) || (bOnRight && bBottom)) return HTBOTTOMRIGHT;
  if (bOnLeft) return HTLEFT;
  if (bOnRight) return HTRIGHT;
  if (bOnTop) return HTTOP;
  if (bOnBottom) return HTBOTTOM;
  return HTBORDER;
}

void CMiniFrameWnd::OnNcPaint() {
  CWindowDC dc(this);
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  CRect rect(0, 0, rectWindow.Width(), rectWindow.Height());
  CRect rectClient;
  GetClientRect(&rectClient);
  ClientToScreen(&rectClient);
  rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
  dc.ExcludeClipRect(&rectClient);
  dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  ::DrawEdge(dc.m_hDC, &rect, EDGE_RAISED, BF_RECT);
  if (!m_bCaption) return;
  CRect rectCaption = GetCaptionRect();
  dc.FillSolidRect(&rectCaption, ::GetSysColor(COLOR_ACTIVECAPTION));
  CRect rectClose = GetCloseButtonRect();
  if (!rectClose.IsRectEmpty())
    ::DrawFrameControl(dc.m_hDC, &rectClose, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  // The window's text in the small caption font.
  CString strTitle;
  GetWindowText(strTitle);
  if (strTitle.IsEmpty()) return;
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof ncm;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  HFONT hFont = ::CreateFontIndirectA(&ncm.lfSmCaptionFont);
  HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, hFont);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(::GetSysColor(COLOR_CAPTIONTEXT));
  CRect rectText = rectCaption;
  rectText.left += 2;
  if (!rectClose.IsRectEmpty()) rectText.right = rectClose.left - 1;
  ::DrawTextA(dc.m_hDC, strTitle, -1, &rectText,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SelectObject(dc.m_hDC, hOldFont);
  ::DeleteObject(hFont);
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL) {
  // The caption is the frame's own; Windows is not to paint one over it.
  SendMessage(WM_NCPAINT, 1);
  return TRUE;
}

void CMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint) {
  if (nHitTest == HTCLOSE) {
    SendMessage(WM_CLOSE);
    return;
  }
  Default();
}

LRESULT CMiniFrameWnd::OnSetText(WPARAM, LPARAM) {
  LRESULT lResult = Default();
  if (m_hWnd != nullptr) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  return lResult;
}
