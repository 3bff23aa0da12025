#include "toolkit/win/CKWControlBar.h"

#include <vector>

#include "classlib/win/CDockBar.h"
#include "classlib/win/CDockContext.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWBarInside.h"
#include "toolkit/core/KWBarMenu.h"
#include "toolkit/win/CKWDockContext.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWPopupMenu.h"
#include "toolkit/win/CKWReBar.h"
#include "toolkit/win/CKWToolBar.h"
#include "toolkit/win/KWFrameBarMenu.h"
#include "toolkit/win/KWRegisteredMessages.h"

IMPLEMENT_DYNAMIC(CKWDockContextWndHook, CKWWndHook)
IMPLEMENT_DYNAMIC(CKWControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CKWControlBar, CControlBar)
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_RBUTTONDOWN()
  ON_WM_ERASEBKGND()
  ON_WM_NCPAINT()
  ON_WM_PAINT()
  ON_WM_CREATE()
  ON_WM_SETCURSOR()
  ON_MESSAGE(KWM_BANDCHILDSIZE, OnBandChildSize)
  ON_MESSAGE(KWM_BANDCHILDRESIZED, OnBandChildResized)
  ON_MESSAGE(KWM_CANDRAGFULLWINDOW, OnCanDragFullWindow)
  ON_MESSAGE(KWM_BARQUERY, OnBarQuery)
  ON_MESSAGE(KWM_DRAGENDED, OnDragEnded)
END_MESSAGE_MAP()

namespace {
// Borders a bar is made with: left and right leave room for the items' ends.
constexpr int kBorderSide = 6;
constexpr int kBorderEnd = 1;
constexpr int kSizeDefaultWidth = 200;
constexpr int kSizeDefaultHeight = 100;
constexpr int kFontPoints = 8;
constexpr int kPointsPerInch = 72;
// The gripper: a raised line this thick, this far in.
constexpr int kGripperThickness = 3;
constexpr int kGripperInset = 2;
constexpr int kGripperSecondLine = 5;
constexpr DWORD kBorderBits = CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM;

int BorderLineWidth() { return ::GetSystemMetrics(SM_CXBORDER) * 2; }
int BorderLineHeight() { return ::GetSystemMetrics(SM_CYBORDER) * 2; }

}  // namespace

CKWControlBar::CKWControlBar() : m_floatingFrameHook(this), m_ownFrameHook(this) {
  SetBorders(kBorderSide, kBorderEnd, kBorderSide, kBorderEnd);
  m_cxDefaultGap = 2;
  UpdateFonts();
}

CKWControlBar::~CKWControlBar() {
  m_floatingFrameHook.HookWindow(static_cast<HWND>(nullptr));
  m_ownFrameHook.HookWindow(static_cast<HWND>(nullptr));
}

int CKWControlBar::ParentId() const {
  HWND hParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
  return hParent != nullptr ? ::GetDlgCtrlID(hParent) : 0;
}

COLORREF CKWControlBar::GetBackgroundColor() const {
  const CKWGlobalData& data = KWGetGlobalData();
  return data.bOfficeLook ? data.clrFaceTint : data.clrBtnFace;
}

void CKWControlBar::UpdateFonts() {
  HDC hScreen = ::GetDC(nullptr);
  int nHeight = -::MulDiv(kFontPoints, ::GetDeviceCaps(hScreen, LOGPIXELSY), kPointsPerInch);
  ::ReleaseDC(nullptr, hScreen);
  CKWGlobalData& data = KWGetGlobalData();
  const struct {
    CFont* pFont;
    CFont* pFrom;
  } fonts[] = {{&m_fontNormal, &data.fontNormal}, {&m_fontBold, &data.fontBold},
               {&m_fontVert, &data.fontVert}};
  for (const auto& f : fonts) {
    f.pFont->DeleteObject();
    LOGFONTA lf = {};
    if (f.pFrom->GetSafeHandle() == nullptr || !f.pFrom->GetLogFont(&lf)) continue;
    lf.lfHeight = nHeight;
    f.pFont->CreateFontIndirect(&lf);
  }
}

BOOL CKWControlBar::SetStatusText(int nHit) {
  if (!CControlBar::SetStatusText(nHit)) return FALSE;
  CWnd* pOwner = GetOwner();
  CWnd* pMain = AfxGetMainWnd();
  if (pOwner != nullptr && pMain != nullptr &&
      pOwner->GetDescendantWindow(AFX_IDW_STATUS_BAR) == nullptr) {
    // Nothing under the mouse brings the idle text back.
    if (nHit == -1)
      pMain->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    else
      pMain->SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nHit));
  }
  return TRUE;
}

void CKWControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  KWBarBorders borders{m_cxLeftBorder, m_cyTopBorder,  m_cxRightBorder,
                       m_cyBottomBorder, BorderLineWidth(), BorderLineHeight()};
  KWCalcInsideRect(rect, m_dwStyle, borders, bHorz != FALSE);
}

BOOL CKWControlBar::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  SetExtendedStyle((GetExtendedStyle() & ~dwRemove) | dwAdd);
  if (m_hWnd != nullptr) {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (bRedraw) Invalidate();
  }
  return TRUE;
}

void CKWControlBar::SetContextMenu(UINT nIDMenu, int nSubMenu) {
  m_nContextMenuId = nIDMenu;
  m_nContextSubMenu = nSubMenu;
}

void CKWControlBar::EnableDocking(DWORD dwDockStyle) {
  if (dwDockStyle != 0 && m_pDockContext == nullptr) m_pDockContext = new CKWDockContext(this);
  CControlBar::EnableDocking(dwDockStyle);
}

void CKWControlBar::EnableDockingWithFlags(DWORD dwDockStyle, DWORD dwExFlags) {
  EnableDocking(dwDockStyle);
  SetExtendedStyle(GetExtendedStyle() | dwExFlags);
}

BOOL CKWControlBar::GetBandChildSize(REBARBANDINFOA* pInfo, BOOL bHorz) {
  CSize size = CalcFixedLayout(FALSE, bHorz);
  pInfo->fMask |= RBBIM_CHILDSIZE;
  pInfo->cxMinChild = static_cast<UINT>(size.cx);
  pInfo->cyMinChild = static_cast<UINT>(size.cy);
  return TRUE;
}

// ---- Painting.

void CKWControlBar::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  CKWMemDC memDC(&dc, &rect, GetBackgroundColor());
  if (IsVisible()) DoPaint(&memDC);
}

void CKWControlBar::DrawNonClient() {
  CWindowDC dc(this);
  CRect rectClient;
  GetClientRect(&rectClient);
  ClientToScreen(&rectClient);
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
  dc.ExcludeClipRect(&rectClient);
  rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
  CKWMemDC memDC(&dc, &rectWindow, GetBackgroundColor());
  DrawBorders(&memDC, rectWindow);
  memDC.FillSolidRect(&rectWindow, GetBackgroundColor());
  DrawGripper(&memDC, rectWindow);
}

void CKWControlBar::DrawBorders(CDC* pDC, CRect& rect) {
  DWORD dwStyle = m_dwStyle;
  if ((dwStyle & kBorderBits) == 0) return;
  const CKWGlobalData& data = KWGetGlobalData();
  bool bFlat = data.bOfficeLook && !IsKindOf(RUNTIME_CLASS(CKWReBar));
  COLORREF clrDark = bFlat ? data.clrBtnFace : data.clrBtnShadow;
  COLORREF clrLight = bFlat ? data.clrBtnFace : data.clrBtnHilite;
  int cyLine = BorderLineHeight();
  CRect r1 = rect;
  if (dwStyle & CBRS_BORDER_3D) {
    r1.right -= 1;
    r1.bottom -= 1;
  }
  int nTop = rect.top + ((dwStyle & CBRS_BORDER_TOP) ? cyLine : 0);
  if (dwStyle & CBRS_BORDER_BOTTOM) r1.bottom -= cyLine;
  int nHeight = r1.Height();
  if (dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(0, nTop - 1, 1, nHeight + 1, clrDark);
  if (dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(0, 0, rect.right - 1, 1, clrDark);
  if (dwStyle & CBRS_BORDER_RIGHT) pDC->FillSolidRect(r1.right, nTop - 1, -1, nHeight + 1, clrDark);
  if (dwStyle & CBRS_BORDER_BOTTOM) pDC->FillSolidRect(0, r1.bottom, rect.right - 1, -1, clrDark);
  if (dwStyle & CBRS_BORDER_3D) {
    if (dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(1, nTop, 1, nHeight, clrLight);
    if (dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(1, 1, rect.right - 3, 1, clrLight);
    if (dwStyle & CBRS_BORDER_RIGHT)
      pDC->FillSolidRect(rect.right, nTop - 2, -1, nHeight + 3, clrLight);
    if (dwStyle & CBRS_BORDER_BOTTOM) pDC->FillSolidRect(0, rect.bottom, rect.right, -1, clrLight);
  }
  if (m_bInReBar) {
    if (dwStyle & CBRS_BORDER_LEFT) rect.left += BorderLineWidth();
    if (dwStyle & CBRS_BORDER_TOP) rect.top += cyLine;
    if (dwStyle & CBRS_BORDER_RIGHT) rect.right -= BorderLineWidth();
    if (dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= cyLine;
    return;
  }
  if (dwStyle & CBRS_BORDER_RIGHT) {
    pDC->FillSolidRect(rect.right - 1, 0, rect.right, rect.bottom, clrDark);
    rect.right -= 1;
  }
  if (dwStyle & CBRS_BORDER_BOTTOM) {
    pDC->FillSolidRect(0, rect.bottom - 1, rect.right, rect.bottom, clrDark);
    rect.bottom -= 1;
  }
  if (dwStyle & CBRS_BORDER_TOP) {
    pDC->FillSolidRect(0, 0, rect.right, 1, clrLight);
    rect.top += 1;
  }
  if (dwStyle & CBRS_BORDER_LEFT) {
    pDC->FillSolidRect(0, 0, 1, rect.bottom, clrLight);
    rect.left += 1;
  }
}

void CKWControlBar::DrawGripper(CDC* pDC, const CRect& r) {
  if ((m_dwStyle & CBRS_GRIPPER) == 0 || (m_dwStyle & CBRS_FLOATING)) return;
  const CKWGlobalData& data = KWGetGlobalData();
  bool bAcrossTop = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) == 0;
  int nLength = (bAcrossTop ? r.Width() : r.Height()) - 2 * kGripperInset;
  if (m_dwExStyle & kExStyleTwoLineGripper) {
    for (int nLine : {kGripperInset, kGripperSecondLine}) {
      int x = bAcrossTop ? r.left + kGripperInset : r.left + nLine;
      int y = bAcrossTop ? r.top + nLine : r.top + kGripperInset;
      int cx = bAcrossTop ? nLength : kGripperThickness;
      int cy = bAcrossTop ? kGripperThickness : nLength;
      pDC->Draw3dRect(x, y, cx, cy, data.clrBtnHilite, data.clrBtnShadow);
      if (bAcrossTop)
        pDC->SetPixel(r.left + r.Width() - kGripperThickness, y, data.clrBtnHilite);
      else
        pDC->SetPixel(x, r.top + r.Height() - kGripperThickness, data.clrBtnHilite);
    }
    return;
  }
  if (bAcrossTop)
    pDC->Draw3dRect(r.left + kGripperInset + m_cyTopBorder, r.top + kGripperInset,
                    r.Width() - m_cyTopBorder - m_cyBottomBorder - 2 * kGripperInset,
                    kGripperThickness, data.clrBtnHilite, data.clrBtnShadow);
  else
    pDC->Draw3dRect(r.left + kGripperInset, r.top + kGripperInset + m_cyTopBorder,
                    kGripperThickness,
                    r.Height() - m_cyTopBorder - m_cyBottomBorder - 2 * kGripperInset,
                    data.clrBtnHilite, data.clrBtnShadow);
}

// ---- Messages.

int CKWControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CControlBar::OnCreate(lpCreateStruct) == -1) return -1;
  SetFont(&KWGetGlobalData().fontNormal, TRUE);
  m_pOwnFrame = GetParentFrame();
  if (m_pOwnFrame != nullptr) m_ownFrameHook.HookWindow(m_pOwnFrame);
  return 0;
}

void CKWControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  Default();
  if (lpWndPos->flags & SWP_NOSIZE) return;
  CRect rect;
  GetWindowRect(&rect);
  // The border lines at the right and bottom move with the size: both the
  // old and the new places are painted again.
  if (rect.Width() != lpWndPos->cx && (m_dwStyle & CBRS_BORDER_RIGHT)) {
    for (int cx : {lpWndPos->cx, rect.Width()}) {
      CRect strip(cx - BorderLineWidth(), 0, cx, rect.Height());
      InvalidateRect(&strip, TRUE);
    }
  }
  if (rect.Height() != lpWndPos->cy && (m_dwStyle & CBRS_BORDER_BOTTOM)) {
    for (int cy : {lpWndPos->cy, rect.Height()}) {
      CRect strip(0, cy - BorderLineHeight(), rect.Width(), cy);
      InvalidateRect(&strip, TRUE);
    }
  }
}

BOOL CKWControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  CPoint point;
  ::GetCursorPos(&point);
  ScreenToClient(&point);
  CRect rect;
  GetClientRect(&rect);
  bool bDragging = m_pDockContext != nullptr && m_pDockContext->m_bDragging;
  if ((bDragging || !rect.PtInRect(point)) && !m_bInReBar) {
    ::SetCursor(KWGetGlobalData().hcurSizeAll);
    return TRUE;
  }
  return static_cast<BOOL>(Default());
}

void CKWControlBar::OnRButtonDown(UINT nFlags, CPoint point) {
  if (!m_bContextMenuEnabled) {
    Default();
    return;
  }
  ClientToScreen(&point);
  if (m_nContextMenuId != 0) {
    CKWPopupMenu menu;
    if (!menu.LoadMenu(m_nContextMenuId)) return;
    CMenu* pSub = menu.GetSubMenu(m_nContextSubMenu);
    if (pSub == nullptr) return;
    CKWPopupMenu::TrackMenu(pSub->GetSafeHmenu(), TPM_LEFTALIGN, point.x, point.y,
                            GetTopLevelParent(), TRUE);
    return;
  }
  CFrameWnd* pFrame = m_pDockSite;
  if (pFrame == nullptr) return;
  if ((m_dwStyle & CBRS_GRIPPER) && !(m_dwStyle & CBRS_FLOATING) &&
      pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    pFrame = pFrame->GetParentFrame();
  if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return;
  ShowBarMenu(point, pFrame);
  pFrame->RecalcLayout();
}

void CKWControlBar::ShowBarMenu(CPoint point, CFrameWnd* pFrame) {
  CKWPopupMenu menu;
  if (!KWCreateBarMenu(menu, KWBarMenuItems(KWFrameBarEntries(pFrame)))) return;
  auto* pToolBar = IsKindOf(RUNTIME_CLASS(CKWToolBar)) ? static_cast<CKWToolBar*>(this) : nullptr;
  if (pToolBar != nullptr && !m_bInReBar && pToolBar->m_bCustomize) {
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_KW_CUSTOMIZE, "Customize...");
    pFrame->SendMessage(KWBarContextMenuMessage(), reinterpret_cast<WPARAM>(pToolBar));
  }
  menu.TrackPopupMenu(TPM_LEFTALIGN, point.x, point.y, pFrame, TRUE);
}

LRESULT CKWControlBar::OnBandChildSize(WPARAM wParam, LPARAM lParam) {
  m_bInReBar = TRUE;
  return GetBandChildSize(reinterpret_cast<REBARBANDINFOA*>(lParam), wParam != 0);
}

LRESULT CKWControlBar::OnBandChildResized(WPARAM wParam, LPARAM lParam) {
  OnBandChildResize(reinterpret_cast<NMREBARCHILDSIZE*>(lParam), wParam != 0);
  return 0;
}

LRESULT CKWControlBar::OnDragEnded(WPARAM, LPARAM) {
  RehookFloatingFrame();
  return 0;
}

void CKWControlBar::RehookFloatingFrame() {
  m_floatingFrameHook.HookWindow(static_cast<HWND>(nullptr));
  CFrameWnd* pParentFrame = GetParentFrame();
  if (m_pOwnFrame != nullptr && pParentFrame != nullptr && pParentFrame != m_pOwnFrame)
    m_floatingFrameHook.HookWindow(pParentFrame);
}

void CKWControlBar::ReturnToOwnFrame() {
  CFrameWnd* pParentFrame = GetParentFrame();
  if (m_pOwnFrame == nullptr || pParentFrame == nullptr || pParentFrame == m_pOwnFrame) return;
  bool bFloatingDockBar = m_pDockBar != nullptr && m_pDockBar->m_bFloating;
  if (IsFloating() || bFloatingDockBar) return;
  pParentFrame->RemoveControlBar(this);
  m_pOwnFrame->DockControlBar(this, static_cast<UINT>(0), nullptr);
  m_pDockSite = m_pOwnFrame;
  if (m_pDockContext != nullptr) m_pDockContext->m_pDockSite = m_pOwnFrame;
}

LRESULT CKWDockContextWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_DESTROY) return CKWWndHook::WindowProc(msg, wParam, lParam);
  CFrameWnd* pParentFrame = m_pBar->GetParentFrame();
  bool bForeign = m_pBar->m_pOwnFrame != nullptr && pParentFrame != nullptr &&
                  pParentFrame != m_pBar->m_pOwnFrame;
  if (bForeign) m_pBar->ReturnToOwnFrame();
  LRESULT lResult = CKWWndHook::WindowProc(msg, wParam, lParam);
  if (bForeign) HookWindow(static_cast<HWND>(nullptr));
  return lResult;
}
