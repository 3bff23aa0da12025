#include "toolkit/win/CKWMiniDockFrameWnd.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockContext.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/res/KWMiniDockFrameIds.h"
#include "toolkit/res/ToolkitIds.h"
#include "toolkit/win/CKWButton.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWExpButton.h"
#include "toolkit/win/CKWExpMenuWnd.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWMenuBar.h"
#include "toolkit/win/CKWToolBar.h"

IMPLEMENT_DYNCREATE(CKWMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CKWMiniDockFrameWnd, CMiniDockFrameWnd)
  ON_WM_NCHITTEST()
  ON_WM_NCPAINT()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCLBUTTONUP()
  ON_WM_NCLBUTTONDBLCLK()
  ON_WM_NCMOUSEMOVE()
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ON_MESSAGE(KWM_DEFERRED_INIT, OnStyleFrame)
  ON_MESSAGE(KWM_EXPMENU_CLOSED, OnPopupClosed)
  ON_COMMAND(ID_KW_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

namespace {

// The caption buttons' width and height, the toolkit's for every look.
constexpr int kCaptionButtonSize = 18;
// The glyphs in the bitmap strip the frame shares with the menu bar.
constexpr int kCloseGlyph = 2;
constexpr int kOptionsGlyph = 3;
constexpr COLORREF kGlyphMask = RGB(255, 0, 255);
// Gradient captions fill this many bands.
constexpr int kGradientBandShift = 6;
constexpr int kGradientBands = 1 << kGradientBandShift;
constexpr UINT kRestyleFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
// A docking window's floating frame draws no thick frame of its own.
constexpr DWORD kMiniFrameThick = MFS_4THICKFRAME;
constexpr UINT kFirstSizingHit = HTLEFT;
constexpr UINT kLastSizingHit = HTBOTTOMRIGHT;
// The flat look's options button, drawn against the popup under it.
constexpr int kFlatPopupInsetLeft = 2;
constexpr int kFlatPopupInsetRight = 3;
constexpr int kFlatPopupInsetBottom = 1;

bool FlatLook() { return KWGetGlobalData().bOfficeLook != FALSE; }

COLORREF BandColor(COLORREF start, COLORREF end, int i) {
  const auto channel = [&](int shift) {
    const int a = (start >> shift) & 0xFF;
    const int b = (end >> shift) & 0xFF;
    return ((a * (kGradientBands - i) + b * i) >> kGradientBandShift) & 0xFF;
  };
  return RGB(channel(0), channel(8), channel(16));
}

void FillGradient(CDC* pDC, const CRect& rect, COLORREF start, COLORREF end) {
  for (int i = 0; i < kGradientBands; ++i) {
    const int left = rect.left + ((i * rect.Width()) >> kGradientBandShift);
    const int right = rect.left + (((i + 1) * rect.Width()) >> kGradientBandShift);
    if (right <= left) continue;
    pDC->FillSolidRect(CRect(left, rect.top, right, rect.bottom), BandColor(start, end, i));
  }
}

// The frame that owns the floating frame becomes the active window.
void ActivateTopParent(CWnd* pWnd) {
  CWnd* pTop = pWnd->GetTopLevelParent();
  if (pTop != nullptr && ::GetActiveWindow() != pTop->m_hWnd) ::SetActiveWindow(pTop->m_hWnd);
}

void Frame(CDC* pDC, const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
  pDC->Draw3dRect(&rect, topLeft, bottomRight);
}

}  // namespace

CKWMiniDockFrameWnd::~CKWMiniDockFrameWnd() = default;

BOOL CKWMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle)) return FALSE;
  PostMessage(KWM_DEFERRED_INIT);
  m_tip.Create(this);
  return TRUE;
}

// ---- The contained bar.

CControlBar* CKWMiniDockFrameWnd::GetContainedBar() const {
  if (m_hWnd == nullptr) return nullptr;
  for (int i = 1; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
    if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i)) return pBar;
  return nullptr;
}

BOOL CKWMiniDockFrameWnd::IsToolBar(CControlBar* pBar) const {
  return m_hWnd != nullptr && pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CKWToolBar));
}

BOOL CKWMiniDockFrameWnd::IsMenuBar(CControlBar* pBar) const {
  return m_hWnd != nullptr && pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CKWMenuBar));
}

BOOL CKWMiniDockFrameWnd::IsDockWindow(CControlBar* pBar) const {
  return m_hWnd != nullptr && pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow));
}

CDockContext* CKWMiniDockFrameWnd::GetDockContext(CControlBar* pBar) const {
  return m_hWnd != nullptr && pBar != nullptr ? pBar->m_pDockContext : nullptr;
}

CKWToolBar* CKWMiniDockFrameWnd::GetToolBar() const {
  CControlBar* pBar = GetContainedBar();
  return IsToolBar(pBar) ? static_cast<CKWToolBar*>(pBar) : nullptr;
}

BOOL CKWMiniDockFrameWnd::PaintsOwnCaption() const {
  CControlBar* pBar = GetContainedBar();
  return IsToolBar(pBar) || IsMenuBar(pBar);
}

// ---- Styling.

int CKWMiniDockFrameWnd::CurrentLookStamp() { return FlatLook() ? kStampFlat : kStampClassic; }

LRESULT CKWMiniDockFrameWnd::OnStyleFrame(WPARAM, LPARAM) {
  StyleFrame();
  return 0;
}

void CKWMiniDockFrameWnd::StyleFrame() {
  CControlBar* pBar = GetContainedBar();
  if (IsDockWindow(pBar)) {
    ModifyStyle(kMiniFrameThick, 0);
    SetFont(&KWGetGlobalData().fontNormal, TRUE);
  } else if (IsToolBar(pBar) || IsMenuBar(pBar)) {
    m_buttons.clear();
    m_kinds.clear();
    m_nPressed = kKWNoCaptionButton;
    if (IsToolBar(pBar)) {
      m_kinds.push_back(kwCaptionClose);
      if (static_cast<CKWToolBar*>(pBar)->m_bCustomize) m_kinds.push_back(kwCaptionOptions);
      m_buttons.resize(m_kinds.size());
      if (m_glyphs.m_hImageList == nullptr)
        m_glyphs.Create(IDB_KW_MDI_BUTTONS, kKWCaptionGlyph, 1, kGlyphMask);
    }
    ModifyStyle(WS_SYSMENU, 0);
  }
  m_nLookStamp = CurrentLookStamp();
  if (m_hWnd != nullptr) {
    Invalidate();
    SetWindowPos(nullptr, 0, 0, 0, 0, kRestyleFlags);
  }
}

// ---- Geometry.

KWCaptionMetrics CKWMiniDockFrameWnd::Metrics() const {
  KWCaptionMetrics m;
  m.edge = CSize(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
  m.button = CSize(kCaptionButtonSize, kCaptionButtonSize);
  m.bClassicLook = !FlatLook();
  return m;
}

KWCaptionButtonPlace CKWMiniDockFrameWnd::GetButtonPlace(int nButton) const {
  CRect rect;
  GetWindowRect(&rect);
  rect.OffsetRect(-rect.left, -rect.top);
  return KWCaptionButtonRect(rect, m_kinds[nButton], Metrics());
}

int CKWMiniDockFrameWnd::HitButton(CPoint point) const {
  CRect window;
  GetWindowRect(&window);
  const CPoint pt(point.x - window.left, point.y - window.top);
  for (int n = 0; n < GetButtonCount(); ++n) {
    const KWCaptionButtonPlace place = GetButtonPlace(n);
    if (!place.bHidden && place.rect.PtInRect(pt)) return n;
  }
  return kKWNoCaptionButton;
}

int CKWMiniDockFrameWnd::FindButton(KWCaptionButtonKind kind) const {
  for (int n = 0; n < GetButtonCount(); ++n)
    if (m_kinds[n] == kind) return n;
  return kKWNoCaptionButton;
}

LRESULT CKWMiniDockFrameWnd::OnNcHitTest(CPoint point) {
  LRESULT nHit = CMiniFrameWnd::OnNcHitTest(point);
  // The painted caption has buttons of its own in place of the mini frame's.
  if (nHit == HTCLOSE && PaintsOwnCaption()) nHit = HTCAPTION;
  return nHit;
}

// ---- Painting.

void CKWMiniDockFrameWnd::OnNcPaint() {
  if (!PaintsOwnCaption()) {
    CMiniFrameWnd::OnNcPaint();
    return;
  }
  const CKWGlobalData& d = KWGetGlobalData();
  CWindowDC dc(this);
  CRect window;
  GetWindowRect(&window);
  CRect client;
  GetClientRect(&client);
  ClientToScreen(&client);
  client.OffsetRect(-window.left, -window.top);
  window.OffsetRect(-window.left, -window.top);
  dc.ExcludeClipRect(&client);
  const KWCaptionMetrics m = Metrics();
  CKWMemDC mem(&dc, &window, FlatLook() ? d.clrFaceTint : d.clrBtnFace);
  CRect strip = KWCaptionStrip(window, m);
  if (!FlatLook()) {
    CRect edge = window;
    mem.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
    BOOL bGradient = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradient, 0);
    if (bGradient)
      FillGradient(&mem, strip, d.clrActiveCaption, d.clrGradActiveCaption);
    else
      mem.FillSolidRect(&strip, d.clrActiveCaption);
  } else {
    CRect frame = window;
    for (int n = 0; n < 2; ++n) {
      Frame(&mem, frame, d.clrBtnShadow, d.clrBtnShadow);
      frame.DeflateRect(1, 1);
    }
    for (CPoint corner : {CPoint(frame.left, frame.top), CPoint(frame.right - 1, frame.top),
                          CPoint(frame.left, frame.bottom - 1), CPoint(frame.right - 1, frame.bottom - 1)})
      mem.SetPixel(corner, d.clrBtnShadow);
    mem.FillSolidRect(&strip, d.clrBtnShadow);
  }
  int nShown = 0;
  for (int n = 0; n < GetButtonCount(); ++n)
    if (!GetButtonPlace(n).bHidden) ++nShown;
  CRect text = KWCaptionTextRect(strip, nShown, m);
  if (!text.IsRectEmpty()) {
    CString strTitle;
    GetWindowText(strTitle);
    if (strTitle.IsEmpty()) strTitle.LoadString(IDS_KW_TOOLBAR_CAPTION);
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    CFont font;
    font.CreateFontIndirect(&ncm.lfSmCaptionFont);
    CFont* pOldFont = mem.SelectObject(&font);
    mem.SetTextColor(d.clrCaptionText);
    mem.SetBkMode(TRANSPARENT);
    mem.DrawText(strTitle, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    mem.SelectObject(pOldFont);
  }
  for (int n = 0; n < GetButtonCount(); ++n) DrawCaptionButton(&mem, window, n);
}

void CKWMiniDockFrameWnd::DrawCaptionButton(CDC* pDC, const CRect& rectWindow, int nButton) {
  const KWCaptionButtonPlace place = KWCaptionButtonRect(rectWindow, m_kinds[nButton], Metrics());
  if (place.bHidden) return;
  const CKWGlobalData& d = KWGetGlobalData();
  KWCaptionButtonState& b = m_buttons[nButton];
  const BOOL bOptionsOpen = m_kinds[nButton] == kwCaptionOptions && m_pOpenPopup != nullptr;
  const CRect& rect = place.rect;
  COLORREF glyph = FlatLook() ? d.clrHighlightText : d.clrMenuText;
  if (FlatLook()) {
    COLORREF back = d.clrBtnShadow;
    if (bOptionsOpen) {
      back = d.clrFaceTint;
      glyph = d.clrMenuText;
    } else if (b.bHot && b.bPressed) {
      back = d.clrHighlightMid;
      glyph = d.clrHighlightMidText;
    } else if (b.bHot) {
      back = d.clrHighlightPale;
      glyph = d.clrMenuText;
    }
    pDC->FillSolidRect(&rect, back);
    if (b.bHot || bOptionsOpen) {
      const COLORREF frame = bOptionsOpen ? d.clrShadowDark : d.clrHighlight;
      Frame(pDC, rect, frame, frame);
      b.bHighlighted = TRUE;
    }
  } else {
    pDC->FillSolidRect(&rect, d.clrBtnFace);
    CRect outer = rect;
    outer.InflateRect(1, 1);
    const BOOL bSunken = b.bPressed || bOptionsOpen;
    if (bSunken) {
      Frame(pDC, outer, d.clrWindowFrame, d.clrBtnFace);
      Frame(pDC, rect, d.clrBtnShadow, d.clrBtnHilite);
      b.bHighlighted = TRUE;
    } else {
      Frame(pDC, outer, d.clrBtnFace, d.clrWindowFrame);
      Frame(pDC, rect, d.clrBtnHilite, d.clrBtnShadow);
    }
  }
  if (m_glyphs.m_hImageList == nullptr) return;
  HICON hIcon = m_glyphs.ExtractIcon(m_kinds[nButton] == kwCaptionClose ? kCloseGlyph : kOptionsGlyph);
  if (hIcon == nullptr) return;
  CBrush brush(glyph);
  pDC->DrawState(KWCaptionGlyphOrigin(rect), CSize(kKWCaptionGlyph, kKWCaptionGlyph), hIcon,
                 DSS_MONO | DST_ICON, &brush);
  ::DestroyIcon(hIcon);
}

void CKWMiniDockFrameWnd::RepaintCaption() { SendMessage(WM_NCPAINT, 1); }

BOOL CKWMiniDockFrameWnd::ClearHighlighted() {
  BOOL bChanged = FALSE;
  for (KWCaptionButtonState& b : m_buttons) {
    if (!b.bHighlighted) continue;
    b.Clear();
    bChanged = TRUE;
  }
  return bChanged;
}

// ---- Mouse.

void CKWMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  CControlBar* pBar = GetContainedBar();
  const BOOL bOneBar = (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0;
  if (nHitTest == HTCAPTION && PaintsOwnCaption()) {
    const int nOptions = FindButton(kwCaptionOptions);
    if (KWCaptionPress(m_buttons, HitButton(point), m_nPressed)) RepaintCaption();
    if (nOptions != kKWNoCaptionButton && m_buttons[nOptions].IsIdle() && m_pOpenPopup != nullptr)
      m_pOpenPopup->SendMessage(WM_CLOSE);
    if (m_nPressed != kKWNoCaptionButton) return;
  }
  CDockContext* pContext = GetDockContext(pBar);
  if (nHitTest == HTCAPTION && bOneBar && pContext != nullptr) {
    ActivateTopParent(this);
    pContext->StartDrag(point);
    return;
  }
  if (nHitTest >= kFirstSizingHit && nHitTest <= kLastSizingHit && IsDockWindow(pBar) &&
      pContext != nullptr) {
    ActivateTopParent(this);
    pContext->StartResize(static_cast<int>(nHitTest), point);
    return;
  }
  CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CKWMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
  if (nHitTest == HTCAPTION) {
    ActivateTopParent(this);
    CDockContext* pContext = GetDockContext(GetContainedBar());
    if ((m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0 && pContext != nullptr) {
      pContext->ToggleDocking();
      return;
    }
  }
  CMiniDockFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CKWMiniDockFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point) {
  if (nHitTest == HTCAPTION && GetToolBar() != nullptr &&
      (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0) {
    const int nFired = KWCaptionRelease(m_buttons, HitButton(point));
    if (nFired != kKWNoCaptionButton && m_kinds[nFired] == kwCaptionClose) {
      m_buttons[nFired].Clear();
      m_nPressed = kKWNoCaptionButton;
      RepaintCaption();
      PostMessage(WM_CLOSE);
    } else if (nFired != kKWNoCaptionButton && m_pOpenPopup == nullptr) {
      OpenOptionsPopup(nFired);
    }
  }
  Default();
}

void CKWMiniDockFrameWnd::OpenOptionsPopup(int nButton) {
  CKWToolBar* pToolBar = GetToolBar();
  CRect rect = GetButtonPlace(nButton).rect;
  CRect window;
  GetWindowRect(&window);
  rect.OffsetRect(window.left, window.top);
  if (FlatLook()) {
    rect.left -= kFlatPopupInsetLeft;
    rect.right -= kFlatPopupInsetRight;
    rect.bottom -= kFlatPopupInsetBottom;
  }
  KWCaptionButtonState& b = m_buttons[nButton];
  b.bPressed = FALSE;
  b.bHot = TRUE;
  m_pOpenPopup = CKWExpMenuWnd::Open(this, KWM_EXPMENU_CLOSED, rect, pToolBar);
  RepaintCaption();
}

void CKWMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point) {
  if (m_pOpenPopup == nullptr && PaintsOwnCaption()) {
    const int nHit = HitButton(point);
    const BOOL bLeftDown = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    const KWCaptionMoveResult result = KWCaptionMove(m_buttons, nHit, bLeftDown, m_nPressed);
    if (result.nShowTip != kKWNoCaptionButton)
      ShowButtonTip(point.x, point.y, m_kinds[result.nShowTip] == kwCaptionClose);
    if (result.bChanged) RepaintCaption();
    if (result.bHideTip && m_tip.m_hWnd != nullptr) m_tip.Pop();
  }
  Default();
}

void CKWMiniDockFrameWnd::ShowButtonTip(int x, int y, BOOL bClose) {
  CControlBar* pBar = GetContainedBar();
  if (pBar == nullptr || !(pBar->GetBarStyle() & CBRS_TOOLTIPS) || m_tip.m_hWnd == nullptr) return;
  m_tip.Pop();
  m_tip.DelTool(this);
  m_tip.AddTool(this, bClose ? IDS_KW_FLOAT_CLOSE : IDS_KW_TOOLBAR_OPTIONS);
  m_tip.Activate(TRUE);
  CPoint pt(x, y);
  ScreenToClient(&pt);
  MSG msg = {m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), 0, {x, y}};
  m_tip.RelayEvent(&msg);
}

LRESULT CKWMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) {
  CMiniDockFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
  if (m_nLookStamp != CurrentLookStamp()) StyleFrame();
  CPoint cursor;
  CRect window;
  GetWindowRect(&window);
  if (m_pOpenPopup == nullptr && ::GetCursorPos(&cursor) && !window.PtInRect(cursor) &&
      ClearHighlighted())
    RepaintCaption();
  return 0;
}

LRESULT CKWMiniDockFrameWnd::OnPopupClosed(WPARAM, LPARAM) {
  ClearHighlighted();
  m_pOpenPopup = nullptr;
  m_nPressed = kKWNoCaptionButton;
  RepaintCaption();
  return 0;
}

void CKWMiniDockFrameWnd::OnCustomize() {
  const int nOptions = FindButton(kwCaptionOptions);
  if (nOptions != kKWNoCaptionButton) m_buttons[nOptions].Clear();
  if (CKWToolBar* pToolBar = GetToolBar()) pToolBar->SendMessage(TB_CUSTOMIZE);
}
