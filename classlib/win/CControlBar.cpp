#include "classlib/win/CControlBar.h"

#include <algorithm>
#include <cstdlib>

#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ZULTA_ON_WM(WM_INITIALUPDATE, p_->OnInitialUpdate())
END_MESSAGE_MAP()

namespace {
// The room a CBRS_BORDER_* edge takes: a line, or two with CBRS_BORDER_3D.
int EdgeWidth(DWORD dwStyle) { return (dwStyle & CBRS_BORDER_3D) ? 2 : 1; }
// A stretched bar is as long as the room it is given, up to this.
constexpr int kStretchedLength = 32767;
// The grip of a docked bar: a raised line this wide, this far from the edge,
// and the room it takes at the start of the bar.
constexpr int kGripperWidth = 3;
constexpr int kGripperGap = 2;
constexpr int kGripperRoom = 7;
// While a fly-by prompt shows, the bar checks this often whether the mouse left it.
constexpr UINT_PTR kFlybyTimer = 0xE000;
constexpr UINT kFlybyCheckMs = 200;

bool HasGripper(DWORD dwStyle) {
  return (dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
}

// Messages whose handling belongs to the window that owns the bar.
bool IsForOwner(UINT nMsg) {
  switch (nMsg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: return true;
    default: return false;
  }
}

bool IsToolTipTextRequest(LPARAM lParam) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  return pNMHDR->code == TTN_NEEDTEXTA || pNMHDR->code == TTN_NEEDTEXTW;
}

// Whether a tooltip request still has no text: an empty text or buffer.
bool ToolTipTextMissing(NMHDR* pNMHDR) {
  if (pNMHDR->code == TTN_NEEDTEXTA) {
    auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    if (pInfo->lpszText == LPSTR_TEXTCALLBACKA) return true;
    return pInfo->lpszText == nullptr ? pInfo->szText[0] == '\0'
                                      : (pInfo->hinst == nullptr && pInfo->lpszText[0] == '\0');
  }
  auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
  if (pInfo->lpszText == LPSTR_TEXTCALLBACKW) return true;
  return pInfo->lpszText == nullptr ? pInfo->szText[0] == L'\0'
                                    : (pInfo->hinst == nullptr && pInfo->lpszText[0] == L'\0');
}
}  // namespace

CControlBar::~CControlBar() {
  ReleaseDocking();
  if (m_pDockSite != nullptr) {
    POSITION pos = m_pDockSite->m_listControlBars.Find(this);
    if (pos != nullptr) m_pDockSite->m_listControlBars.RemoveAt(pos);
  }
  std::free(m_pData);
}

BOOL CControlBar::AllocElements(int nElements, int cbElement) {
  std::free(m_pData);
  m_pData = nullptr;
  m_nCount = 0;
  if (nElements > 0 && cbElement > 0) {
    m_pData = std::calloc(static_cast<size_t>(nElements), static_cast<size_t>(cbElement));
    if (m_pData == nullptr) return FALSE;
  }
  m_nCount = std::max(nElements, 0);
  return TRUE;
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (cs.lpszClass == nullptr) return FALSE;
  }
  return CWnd::PreCreateWindow(cs);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (m_dwStyle & CBRS_TOOLTIPS) EnableToolTips();
  if (m_pDockSite == nullptr) m_pDockSite = GetParentFrame();
  if (m_pDockSite != nullptr && m_pDockSite->m_listControlBars.Find(this) == nullptr)
    m_pDockSite->m_listControlBars.AddTail(this);
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_nStateFlags & statusSet) SetStatusText(-1);
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

// ---- Style.

void CControlBar::SetBarStyle(DWORD dwStyle) {
  if (m_dwStyle == dwStyle) return;
  DWORD dwOldStyle = m_dwStyle;
  m_dwStyle = dwStyle;
  if (m_hWnd != nullptr && ((dwOldStyle ^ dwStyle) & CBRS_TOOLTIPS))
    EnableToolTips((dwStyle & CBRS_TOOLTIPS) != 0);
  OnBarStyleChange(dwOldStyle, dwStyle);
  // The borders and the gripper are painted from the style.
  if (m_hWnd != nullptr) Invalidate();
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_cxLeftBorder = cxLeft;
  m_cyTopBorder = cyTop;
  m_cxRightBorder = cxRight;
  m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const {
  return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::IsDockBar() const { return FALSE; }

// ---- Visibility.

BOOL CControlBar::IsVisible() const {
  if (m_nStateFlags & delayHide) return FALSE;
  return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow) {
  m_nStateFlags &= ~(delayHide | delayShow);
  BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
  if (bShow && !bVisible) m_nStateFlags |= delayShow;
  if (!bShow && bVisible) m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
  DWORD dwStyle = GetStyle();
  if ((m_nStateFlags & (delayHide | delayShow)) == 0) return dwStyle;
  BOOL bShow = (m_nStateFlags & delayShow) != 0;
  dwStyle = bShow ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
  // A query only asks how the layout would come out; the pass that moves
  // the windows also shows or hides them.
  if (lpLayout->hDWP == nullptr) return dwStyle;
  m_nStateFlags &= ~(delayHide | delayShow);
  lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                                        (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  return dwStyle;
}

// ---- Layout.

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  int nEdge = EdgeWidth(m_dwStyle);
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += nEdge;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += nEdge;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= nEdge;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= nEdge;
  // The borders are given for the bar lying horizontally; a vertical bar
  // turns them with it, and its gripper runs across its top.
  if (bHorz) {
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
    if (HasGripper(m_dwStyle)) rect.left += kGripperRoom;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += m_cxLeftBorder;
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
    if (HasGripper(m_dwStyle)) rect.top += kGripperRoom;
  }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // The thickness is what the borders take around the default gap.
  CRect rectInside(0, 0, 0, 0);
  CalcInsideRect(rectInside, bHorz);
  CSize size(m_cxDefaultGap - rectInside.Width(), m_cxDefaultGap - rectInside.Height());
  if (bStretch) {
    if (bHorz)
      size.cx = kStretchedLength;
    else
      size.cy = kStretchedLength;
  }
  return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
  return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  DWORD dwStyle = RecalcDelayShow(pLayout);
  DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
  if ((dwStyle & WS_VISIBLE) == 0 || dwAlign == 0) return 0;
  BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0;
  DWORD dwMode = pLayout->bStretch ? LM_STRETCH : 0;
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
    dwMode |= LM_HORZ | LM_MRUWIDTH;
  else if (bHorz)
    dwMode |= LM_HORZ | LM_HORZDOCK;
  else
    dwMode |= LM_VERTDOCK;
  CSize size = CalcDynamicLayout(-1, dwMode);
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

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  CWnd::OnWindowPosChanging(lpWndPos);
  // Edges drawn along the right and bottom move with the size.
  if ((lpWndPos->flags & SWP_NOSIZE) == 0 && (m_dwStyle & (CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM)))
    Invalidate();
}

// ---- Items.

CFrameWnd* CControlBar::GetCommandTarget() const {
  CWnd* pOwner = GetOwner();
  if (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    return static_cast<CFrameWnd*>(pOwner);
  return GetParentFrame();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if ((GetStyle() & WS_VISIBLE) == 0) return 0;
  if (CFrameWnd* pTarget = GetCommandTarget()) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
  return 0;
}

// Bars that finish setting up once their frame is built do it here; the
// items themselves follow the commands at the next idle time.
void CControlBar::OnInitialUpdate() {}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (!IsForOwner(nMsg)) return CWnd::WindowProc(nMsg, wParam, lParam);
  LRESULT lResult = 0;
  if (OnWndMsg(nMsg, wParam, lParam, &lResult)) return lResult;
  CWnd* pOwner = GetOwner();
  if (pOwner != nullptr && pOwner != this)
    lResult = ::SendMessageA(pOwner->m_hWnd, nMsg, wParam, lParam);
  if (nMsg == WM_NOTIFY && IsToolTipTextRequest(lParam)) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ToolTipTextMissing(pNMHDR)) {
      lResult = CWnd::WindowProc(nMsg, wParam, lParam);
      if (ToolTipTextMissing(pNMHDR)) FillToolTipText(pNMHDR);
    }
  }
  return lResult;
}

void CControlBar::FillToolTipText(NMHDR* pNMHDR) const {
  UINT_PTR nID = pNMHDR->idFrom;
  auto* pInfoA = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
  if (pInfoA->uFlags & TTF_IDISHWND)
    nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
  CString strTip;
  if (nID != 0) {
    // A command's string is its prompt, then its tip after a newline.
    CString strFull;
    strFull.LoadString(static_cast<UINT>(nID));
    int nNewline = strFull.Find('\n');
    if (nNewline >= 0) strTip = strFull.Mid(nNewline + 1);
  }
  if (pNMHDR->code == TTN_NEEDTEXTA) {
    lstrcpynA(pInfoA->szText, strTip, static_cast<int>(sizeof pInfoA->szText));
    pInfoA->lpszText = pInfoA->szText;
    pInfoA->hinst = nullptr;
  } else {
    auto* pInfoW = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    ::MultiByteToWideChar(CP_ACP, 0, strTip, -1, pInfoW->szText,
                          static_cast<int>(sizeof pInfoW->szText / sizeof pInfoW->szText[0]));
    pInfoW->lpszText = pInfoW->szText;
    pInfoW->hinst = nullptr;
  }
}

// ---- Fly-by prompts.

BOOL CControlBar::SetStatusText(int nHit) {
  CWnd* pOwner = GetOwner();
  if (pOwner == nullptr || pOwner == this) return FALSE;
  if (nHit == -1) {
    // Back to the idle prompt, unless the frame shows another one meanwhile.
    pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    m_nStateFlags &= ~statusSet;
    if (m_hWnd != nullptr) KillTimer(kFlybyTimer);
  } else {
    pOwner->SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nHit));
    m_nStateFlags |= statusSet;
    if (m_hWnd != nullptr) SetTimer(kFlybyTimer, kFlybyCheckMs);
  }
  m_nFlybyHit = nHit;
  return TRUE;
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  // The prompt of the tool under the mouse, while no button is held.
  if ((m_dwStyle & CBRS_FLYBY) && pMsg->message == WM_MOUSEMOVE &&
      (pMsg->wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    int nHit = static_cast<int>(OnToolHitTest(point, &ti));
    if (nHit != m_nFlybyHit) SetStatusText(nHit);
  }
  return FALSE;
}

INT_PTR CControlBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  return CWnd::OnToolHitTest(point, pTI != nullptr ? pTI : &ti);
}

void CControlBar::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kFlybyTimer) {
    CWnd::OnTimer(nIDEvent);
    return;
  }
  // The prompt goes when the mouse has left the bar.
  CPoint point;
  ::GetCursorPos(&point);
  CRect rect;
  GetWindowRect(&rect);
  if (!rect.PtInRect(point)) SetStatusText(-1);
}

// ---- Painting.

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

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
  if (!HasGripper(m_dwStyle)) return;
  COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
  if (m_dwStyle & CBRS_ORIENT_HORZ) {
    // Down the left of a horizontal bar, between its top and bottom borders.
    pDC->Draw3dRect(rect.left + kGripperGap, rect.top + m_cyTopBorder, kGripperWidth,
                    rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
  } else {
    pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + kGripperGap,
                    rect.Width() - m_cyTopBorder - m_cyBottomBorder, kGripperWidth, clrHilite,
                    clrShadow);
  }
}

void CControlBar::DoPaint(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  DrawBorders(pDC, rect);
  DrawGripper(pDC, rect);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  return TRUE;
}

void CControlBar::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
}
