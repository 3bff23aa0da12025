#include "toolkit/win/CKWExpMenuWnd.h"

#include <algorithm>
#include <vector>

#include "classlib/win/CBrush.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CPen.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWHiddenPopup.h"
#include "toolkit/res/ToolkitIds.h"
#include "toolkit/win/CKWGlobalData.h"

IMPLEMENT_DYNAMIC(CKWHiddenButtonsToolbar, CKWToolBar)
IMPLEMENT_DYNAMIC(CKWHiddenButtonsWndHook, CKWWndHook)
IMPLEMENT_DYNAMIC(CKWExpMenuWnd, CWnd)

BEGIN_MESSAGE_MAP(CKWExpMenuWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_ACTIVATE()
  ON_WM_ACTIVATEAPP()
  ON_WM_KILLFOCUS()
  ON_WM_NCCALCSIZE()
  ON_WM_NCPAINT()
  ON_WM_ERASEBKGND()
  ON_WM_WINDOWPOSCHANGED()
  ON_COMMAND(ID_KW_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

namespace {
constexpr UINT kPopupClassStyle = CS_SAVEBITS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
constexpr DWORD kPopupStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kButtonsBarStyle = 0x50002035;
constexpr DWORD kCustomizeBarStyle = 0x50002034;
constexpr DWORD kBarControlStyles = TBSTYLE_FLAT | TBSTYLE_LIST;
constexpr DWORD kFlatFrameStyles = WS_CAPTION | WS_THICKFRAME;
constexpr DWORD kFlatFrameExStyles = WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
// The window is this much larger than its bars.
constexpr int kExtraWidth = 2;
constexpr int kExtraHeight = 3;
constexpr int kBarInset = 1;
constexpr int kThinBarHeight = 4;
// A window this large tells the frame's size by what it keeps as client.
constexpr int kProbeSize = 100;
}  // namespace

COLORREF CKWHiddenButtonsToolbar::GetBackgroundColor() const {
  const CKWGlobalData& d = KWGetGlobalData();
  return d.bOfficeLook ? d.clrWindowTint : d.clrMenu;
}

CKWExpMenuWnd::CKWExpMenuWnd(CWnd* pNotifyWnd, UINT nNotifyMsg)
    : m_nNotifyMsg(nNotifyMsg), m_pNotifyWnd(pNotifyWnd) {
  m_wndButtons.m_pPopup = this;
  m_hook.m_pPopup = this;
  m_rectButton.SetRectEmpty();
}

CKWExpMenuWnd::~CKWExpMenuWnd() { m_hook.HookWindow(static_cast<HWND>(nullptr)); }

CSize CKWExpMenuWnd::NonClientSize() {
  NCCALCSIZE_PARAMS params = {};
  params.rgrc[0] = CRect(0, 0, kProbeSize, kProbeSize);
  SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params));
  CRect client = params.rgrc[0];
  return CSize(kProbeSize - client.Width(), kProbeSize - client.Height());
}

BOOL CKWExpMenuWnd::Create(CRect rectButton, CKWToolBar* pSourceToolbar) {
  m_pSourceToolbar = pSourceToolbar;
  LPCSTR lpszClass = AfxRegisterWndClass(kPopupClassStyle);
  if (!CWnd::CreateEx(0, lpszClass, nullptr, kPopupStyle, CRect(0, 0, 0, 0), pSourceToolbar, 0))
    return FALSE;
  int cxButton = LOWORD(pSourceToolbar->SendMessage(TB_GETBUTTONSIZE));
  int nRowWidth = KWHiddenRowWidth(cxButton);
  pSourceToolbar->CopyHiddenButtons(&m_wndButtons, nRowWidth);
  CSize content = m_wndButtons.CalcDynamicLayout(nRowWidth, LM_HORZ | LM_COMMIT);
  if (pSourceToolbar->m_bCustomize && m_wndCustomize.m_hWnd != nullptr) {
    CSize custom = m_wndCustomize.CalcDynamicLayout(nRowWidth, LM_HORZ | LM_COMMIT);
    content.cx = std::max(content.cx, custom.cx);
    content.cy += custom.cy;
    m_wndCustomize.SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(content.cx, content.cx));
    m_wndCustomize.SetSizes(CSize(content.cx, ::GetSystemMetrics(SM_CYMENU)),
                            m_wndCustomize.m_sizeImage);
  }
  CSize nc = NonClientSize();
  m_rectButton = rectButton;
  m_wndButtons.OnUpdateCmdUI(pSourceToolbar->GetDockingFrame(), FALSE);
  SetFont(&KWGetGlobalData().fontNormal, TRUE);
  CSize size(content.cx + nc.cx + kExtraWidth, content.cy + nc.cy + kExtraHeight);
  KWDockSide side = pSourceToolbar->IsBottomDocked() ? KWDockSide::Bottom
                    : pSourceToolbar->IsRightDocked() ? KWDockSide::Right
                    : pSourceToolbar->IsLeftDocked()  ? KWDockSide::Left
                                                      : KWDockSide::Top;
  CPoint origin = KWHiddenPopupOrigin(rectButton, size, side);
  SetWindowPos(nullptr, origin.x, origin.y, size.cx, size.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
  return TRUE;
}

CKWExpMenuWnd* CKWExpMenuWnd::Open(CWnd* pNotifyWnd, UINT nNotifyMsg, CRect rectButton,
                                   CKWToolBar* pSourceToolbar) {
  auto* pPopup = new CKWExpMenuWnd(pNotifyWnd, nNotifyMsg);
  bool bDeleted = false;
  pPopup->m_pbDeleted = &bDeleted;
  BOOL bCreated = pPopup->Create(rectButton, pSourceToolbar);
  if (bDeleted) return nullptr;
  pPopup->m_pbDeleted = nullptr;
  if (bCreated) return pPopup;
  delete pPopup;
  return nullptr;
}

void CKWExpMenuWnd::PostNcDestroy() {
  if (m_pbDeleted != nullptr) *m_pbDeleted = true;
  delete this;
}

BOOL CKWExpMenuWnd::DestroyWindow() {
  if (m_bDestroying) return TRUE;
  m_bDestroying = TRUE;
  return CWnd::DestroyWindow();
}

int CKWExpMenuWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CWnd* pOwner = m_pSourceToolbar->GetOwner();
  if (pOwner != nullptr) m_hook.HookWindow(pOwner);
  if (KWGetGlobalData().bOfficeLook) {
    ModifyStyle(kFlatFrameStyles, 0, 0);
    ModifyStyleEx(kFlatFrameExStyles, 0, SWP_FRAMECHANGED);
  }
  DWORD dwControl = m_pSourceToolbar->GetStyle() & kBarControlStyles;
  if (!m_wndButtons.CreateEx(this, dwControl, kButtonsBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR))
    return -1;
  m_wndButtons.SetSizes(m_pSourceToolbar->m_sizeButton, m_pSourceToolbar->m_sizeImage);
  m_wndButtons.SetOwner(pOwner);
  if (m_pSourceToolbar->m_bCustomize &&
      m_wndCustomize.CreateEx(this, kBarControlStyles, kCustomizeBarStyle, CRect(0, 0, 0, 0),
                              AFX_IDW_TOOLBAR)) {
    const UINT nCustomize = ID_KW_CUSTOMIZE;
    m_wndCustomize.SetButtons(&nCustomize, 1);
    CString text;
    text.LoadString(IDS_KW_CUSTOMIZE);
    m_wndCustomize.SetButtonText(0, text);
    m_wndCustomize.SetOwner(this);
  }
  return 0;
}

void CKWExpMenuWnd::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  Default();
  if (lpWndPos->cx <= 0 || lpWndPos->cy <= 0 || m_wndButtons.m_hWnd == nullptr) return;
  int cx = lpWndPos->cx - NonClientSize().cx;
  constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
  CSize size = m_wndButtons.CalcDynamicLayout(cx, LM_HORZ | LM_STRETCH);
  m_wndButtons.SetWindowPos(nullptr, kBarInset, kBarInset, cx, size.cy, kPlace);
  if (m_wndCustomize.m_hWnd == nullptr) return;
  int y = size.cy < kThinBarHeight ? kBarInset : size.cy + 2 * kBarInset;
  CSize custom = m_wndCustomize.CalcDynamicLayout(cx - 2 * kBarInset, LM_HORZ | LM_STRETCH);
  m_wndCustomize.SetWindowPos(nullptr, kBarInset, y, cx - 2 * kBarInset, custom.cy, kPlace);
}

void CKWExpMenuWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
  if (!KWGetGlobalData().bOfficeLook) {
    Default();
    return;
  }
  ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CKWExpMenuWnd::OnNcPaint() {
  const CKWGlobalData& d = KWGetGlobalData();
  if (d.bOfficeLook) {
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    CRect frame(0, 0, window.Width(), window.Height());
    CBrush border(d.clrShadowDark);
    dc.FrameRect(&frame, &border);
    if (!m_rectButton.IsRectEmpty()) {
      CRect joint = window;
      joint.bottom -= 1;
      DrawPopupJoint(&dc, d.clrHighlightMid, &m_rectButton, &joint);
    }
  }
  Default();
}

BOOL CKWExpMenuWnd::OnEraseBkgnd(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, m_wndButtons.GetBackgroundColor());
  return TRUE;
}

void CKWExpMenuWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  Default();
  if (nState == WA_INACTIVE) DestroyWindow();
}

void CKWExpMenuWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID) {
  Default();
  if (!bActive) DestroyWindow();
}

void CKWExpMenuWnd::OnKillFocus(CWnd* pNewWnd) {
  Default();
  if (pNewWnd != this) ::ReleaseCapture();
}

void CKWExpMenuWnd::OnDestroy() {
  m_hook.HookWindow(static_cast<HWND>(nullptr));
  // The controls the source toolbar lent go back to it, hidden.
  std::vector<HWND> lent;
  if (m_wndButtons.m_hWnd != nullptr)
    for (HWND hChild = ::GetWindow(m_wndButtons.m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
      if (::GetDlgCtrlID(hChild) != static_cast<int>(ID_KW_CUSTOMIZE)) lent.push_back(hChild);
  for (HWND hChild : lent) {
    ::ShowWindow(hChild, SW_HIDE);
    ::SetParent(hChild, m_pSourceToolbar->m_hWnd);
  }
  if (m_pNotifyWnd != nullptr && m_nNotifyMsg != 0)
    ::PostMessageA(m_pNotifyWnd->m_hWnd, m_nNotifyMsg, 0, 0);
  CWnd::OnDestroy();
}

void CKWExpMenuWnd::OnCustomize() {
  if (m_pNotifyWnd != nullptr) ::PostMessageA(m_pNotifyWnd->m_hWnd, WM_COMMAND, ID_KW_CUSTOMIZE, 0);
  DestroyWindow();
}

LRESULT CKWHiddenButtonsWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCACTIVATE:
      // The frame keeps its active caption while the popup has the activation.
      return CKWWndHook::WindowProc(msg, TRUE, lParam);
    case WM_COMMAND: {
      CKWHiddenButtonsToolbar& bar = m_pPopup->GetButtonsBar();
      UINT nID = LOWORD(wParam);
      bool bChild = bar.m_hWnd != nullptr && ::GetDlgItem(bar.m_hWnd, static_cast<int>(nID)) != nullptr;
      if (m_pPopup->m_hWnd == nullptr || bar.m_hWnd == nullptr || bChild) break;
      // The command runs after the popup has gone.
      HWND hOwner = m_hWnd;
      ::PostMessageA(hOwner, WM_COMMAND, nID, 0);
      m_pPopup->DestroyWindow();
      return 0;
    }
    case 0x7EB:
      if (m_pPopup->m_hWnd != nullptr) m_pPopup->PostMessage(WM_CLOSE);
      break;
    default:
      break;
  }
  return CKWWndHook::WindowProc(msg, wParam, lParam);
}

void DrawPopupJoint(CDC* pDC, COLORREF color, const CRect* pButtonRect, const CRect* pWindowRect) {
  CPoint from;
  CPoint to;
  if (!KWPopupJoint(*pButtonRect, *pWindowRect, from, to)) return;
  CPen pen(PS_SOLID, 1, color);
  CPen* pOld = pDC->SelectObject(&pen);
  pDC->MoveTo(from);
  pDC->LineTo(to);
  pDC->SelectObject(pOld);
}
