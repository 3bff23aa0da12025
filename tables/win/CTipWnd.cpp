#include "tables/win/CTipWnd.h"

#include "classlib/win/CDC.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "tables/core/TableMarkup.h"
#include "tables/core/TipPlacement.h"
#include "tables/win/GrammarViewMessages.h"
#include "tables/win/TableMarkupPaint.h"

BEGIN_MESSAGE_MAP(CTipWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_LBUTTONDOWN()
  ON_WM_RBUTTONDOWN()
  ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace {
// Polls whether the cursor is still over the hovered cell.
constexpr UINT_PTR kCursorPollTimerId = 100;
constexpr UINT kCursorPollMs = 100;
}  // namespace

CTipWnd::CTipWnd(CWnd* pOwnerView, int x, int y, const RECT& hot, LPCSTR lpszMarkup)
    : m_pOwnerView(pOwnerView), m_anchor(x, y), m_markup(lpszMarkup), m_hot(hot) {}

CTipWnd::~CTipWnd() = default;

BOOL CTipWnd::CreateTip() {
  return CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "",
                  WS_POPUP, m_hot, CWnd::GetDesktopWindow(), 0);
}

int CTipWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  m_pMarkup = ParseTableMarkup(m_markup);
  if (m_pMarkup != nullptr) MeasureTableMarkup(*m_pMarkup);
  CClientDC dc(this);
  const CSize space = dc.GetTextExtent(" ", 1);
  const SIZE cursor{::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR)};
  const RECT bounds = m_pMarkup != nullptr ? m_pMarkup->bounds : RECT{};
  TipPlacement placement;
  if (!PlaceTip(m_anchor, cursor, bounds, space, placement)) {
    CloseByOwner();
    return 0;
  }
  m_tip = placement.table;
  const CRect& window = placement.window;
  ::SetWindowPos(m_hWnd, HWND_TOP, window.left, window.top, window.Width(), window.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
  m_nTimer = SetTimer(kCursorPollTimerId, kCursorPollMs, nullptr);
  return 0;
}

void CTipWnd::OnDestroy() {
  if (m_nTimer != 0) KillTimer(kCursorPollTimerId);
  m_nTimer = 0;
  CWnd::OnDestroy();
  FreeTableMarkup(m_pMarkup);
}

void CTipWnd::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CGdiObject* pOldPen = dc.SelectStockObject(BLACK_PEN);
  CGdiObject* pOldBrush = dc.SelectStockObject(WHITE_BRUSH);
  dc.Rectangle(&client);
  dc.SelectObject(pOldPen);
  dc.SelectObject(pOldBrush);
  if (m_pMarkup != nullptr) DrawTableMarkup(*m_pMarkup, &dc, m_tip.TopLeft());
}

void CTipWnd::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kCursorPollTimerId) {
    CWnd::OnTimer(nIDEvent);
    return;
  }
  CPoint cursor;
  ::GetCursorPos(&cursor);
  if (m_hot.PtInRect(cursor)) return;
  KillTimer(kCursorPollTimerId);
  m_nTimer = 0;
  CloseByOwner();
}

void CTipWnd::OnLButtonDown(UINT nFlags, CPoint point) {
  PassClickToOwner(WM_LBUTTONDOWN, nFlags, point);
}

void CTipWnd::OnRButtonDown(UINT nFlags, CPoint point) {
  PassClickToOwner(WM_RBUTTONDOWN, nFlags, point);
}

int CTipWnd::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

void CTipWnd::CloseByOwner() {
  if (m_pOwnerView != nullptr && m_pOwnerView->m_hWnd != nullptr)
    m_pOwnerView->PostMessage(WM_GRAM_CLOSETIP, 0, 0);
}

void CTipWnd::PassClickToOwner(UINT message, UINT nFlags, CPoint point) {
  Default();
  CloseByOwner();
  if (m_pOwnerView == nullptr || m_pOwnerView->m_hWnd == nullptr) return;
  ClientToScreen(&point);
  CRect owner;
  m_pOwnerView->GetWindowRect(&owner);
  if (!owner.PtInRect(point)) return;
  // The click reaches the cell under the tip.
  m_pOwnerView->ScreenToClient(&point);
  m_pOwnerView->PostMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}
