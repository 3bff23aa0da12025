#include "toolkit/win/CKWDockWindow.h"

#include <commctrl.h>

#include "classlib/core/CResourceException.h"
#include "classlib/win/AfxMsg.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniFrameWnd.h"
#include "classlib/win/CView.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/res/KWDockWindowIds.h"
#include "toolkit/res/ToolkitIds.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWProfileStore.h"
#include "toolkit/win/CKWTabCtrlBar.h"

static_assert(kKWLayoutHorz == LM_HORZ && kKWLayoutMruWidth == LM_MRUWIDTH &&
                  kKWLayoutHorzDock == LM_HORZDOCK && kKWLayoutVertDock == LM_VERTDOCK &&
                  kKWLayoutLengthY == LM_LENGTHY && kKWLayoutCommit == LM_COMMIT,
              "the layout requests are the class library's");
static_assert(kKWBarLeftOrRight == (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT |
                                    CBRS_BORDER_RIGHT),
              "left or right is the class library's");

namespace {

// The bar style a docking window keeps of the caller's (the gripper and the
// low word) and the bits it always has: dynamic size, hidden in place,
// several floating frames.
constexpr DWORD kKeptBarStyle = 0x40FFFF;
constexpr DWORD kAddedBarStyle = CBRS_SIZE_DYNAMIC | CBRS_HIDE_INPLACE | CBRS_FLOAT_MULTI;
constexpr DWORD kWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_CENTER | BS_ICON | BS_OWNERDRAW;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
// One window for each caption button and the child, and room to spare.
constexpr int kDeferredWindows = 8;
constexpr COLORREF kIconMask = RGB(255, 0, 255);
constexpr UINT kButtonFlags = SWP_NOZORDER | SWP_NOACTIVATE;
// The extended style bit set once the window has been shown.
constexpr DWORD kShownExStyle = 0x1000;

void Defer(HDWP& hdwp, CWnd* pWnd, const CRect& rect, UINT nFlags) {
  hdwp = ::DeferWindowPos(hdwp, pWnd->m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                          rect.Height(), nFlags);
  // A failed entry has ended the batch.
  if (hdwp == nullptr) AfxThrowResourceException();
}

}  // namespace

// ---- The caption button.

IMPLEMENT_DYNAMIC(CKWBarButton, CKWButton)

bool CKWBarButton::IsOwnerActive() const {
  return m_pDockWindow != nullptr && m_pDockWindow->IsActive();
}

void CKWBarButton::SetBarIcon(HICON hIcon) {
  m_hBarIcon = hIcon;
  SetIcon(CKWDockWindow::kIconSize, CKWDockWindow::kIconSize, hIcon, nullptr, TRUE);
}

void CKWBarButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  const CKWGlobalData& data = KWGetGlobalData();
  SetFaceColor(data.bOfficeLook && IsOwnerActive() ? data.clrActiveCaption : data.clrBtnFace);
  CKWButton::DrawItem(lpDrawItemStruct);
}

void CKWBarButton::DrawIcon(CDC* pDC, UINT nState, const CRect& rect) {
  if (m_hBarIcon == nullptr) return;
  // Without a pressed icon of its own the icon moves a pixel when pressed.
  CPoint pt = GetImagePosition(pDC, nState, rect, FALSE);
  const CSize size(CKWDockWindow::kIconSize, CKWDockWindow::kIconSize);
  if (KWGetGlobalData().bOfficeLook && IsOwnerActive() && !(nState & ODS_DISABLED))
    pDC->DrawState(pt, size, m_hBarIcon, DST_ICON | DSS_MONO,
                   static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  else
    pDC->DrawState(pt, size, m_hBarIcon, DST_ICON, static_cast<HBRUSH>(nullptr));
}

// ---- The docking window.

IMPLEMENT_DYNAMIC(CKWDockWindow, CKWControlBar)

BEGIN_MESSAGE_MAP(CKWDockWindow, CKWControlBar)
  ON_WM_NCHITTEST()
  ON_WM_CREATE()
  ON_WM_WINDOWPOSCHANGED()
  ON_COMMAND(ID_KW_HIDE_DOCKED, OnHideDocked)
  ON_UPDATE_COMMAND_UI(ID_KW_HIDE_DOCKED, OnUpdateEnabled)
  ON_COMMAND(ID_KW_EXPAND_DOCKED, OnExpandDocked)
  ON_UPDATE_COMMAND_UI(ID_KW_EXPAND_DOCKED, OnUpdateEnabled)
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
  ON_MESSAGE(KWM_DEFERRED_INIT, OnDeferredInit)
END_MESSAGE_MAP()

CKWDockWindow::CKWDockWindow() { LoadIcons(); }

CKWDockWindow::~CKWDockWindow() {
  delete m_pHideButton;
  delete m_pExpandButton;
  for (HICON& hIcon : m_hIcons) {
    if (hIcon != nullptr) ::DestroyIcon(hIcon);
    hIcon = nullptr;
  }
}

void CKWDockWindow::LoadIcons() {
  HIMAGELIST hList = ::ImageList_LoadImageA(
      KWGetGlobalData().hInstance, MAKEINTRESOURCEA(IDB_KW_CAPTION_BUTTONS), kIconSize, 1,
      kIconMask, IMAGE_BITMAP, 0);
  if (hList == nullptr) return;
  for (int i = 0; i < kIconCount; ++i) m_hIcons[i] = ::ImageList_GetIcon(hList, i, ILD_NORMAL);
  ::ImageList_Destroy(hList);
}

KWDockPlace CKWDockWindow::Place() const {
  if (IsHorzDocked()) return KWDockPlace::kTopBottom;
  if (IsVertDocked()) return KWDockPlace::kLeftRight;
  return KWDockPlace::kFloating;
}

KWDockStyle CKWDockWindow::Style() const {
  return KWDockStyle{GetExtendedStyle(), KWGetGlobalData().bOfficeLook != FALSE};
}

CSize CKWDockWindow::ClientSize() const {
  CRect rect;
  GetClientRect(&rect);
  return rect.Size();
}

BOOL CKWDockWindow::Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszTitle, CSize size,
                           DWORD dwStyle, DWORD dwExStyle) {
  m_pParentWnd = pParentWnd;
  SetBarStyle((dwStyle & kKeptBarStyle) | kAddedBarStyle);
  m_sizes = KWDockWindowSizes::ForCreate(size, dwStyle);
  SetExtendedStyle(dwExStyle);
  LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_CLASSDC, nullptr,
                                         ::GetSysColorBrush(COLOR_BTNFACE), nullptr);
  if (!CWnd::Create(lpszClass, lpszTitle, (dwStyle & ~kKeptBarStyle) | kWindowStyle,
                    CRect(0, 0, size.cx, size.cy), pParentWnd, nID))
    return FALSE;
  PostMessage(KWM_DEFERRED_INIT, 0, ++m_nInitCounter);
  return TRUE;
}

BOOL CKWDockWindow::PreTranslateMessage(MSG* pMsg) {
  if (Style().HasButtons() && ::IsWindow(m_toolTip.m_hWnd)) m_toolTip.RelayEvent(pMsg);
  return CKWControlBar::PreTranslateMessage(pMsg);
}

CSize CKWDockWindow::CalcDynamicLayout(int nLength, DWORD dwMode) {
  return m_sizes.DynamicLayout(nLength, dwMode);
}

void CKWDockWindow::OnUpdateCmdUI(CFrameWnd*, BOOL) {
  HWND hFocus = ::GetFocus();
  SetActive(hFocus != nullptr && ::IsChild(m_hWnd, hFocus));
  if (!Style().HasButtons() || m_pHideButton == nullptr || m_pExpandButton == nullptr) return;
  if (IsFloating()) {
    bool bHidden = false;
    for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton}) {
      if (pButton->IsWindowVisible()) {
        pButton->ShowWindow(SW_HIDE);
        bHidden = true;
      }
    }
    if (bHidden && m_pChild != nullptr && ::IsWindow(m_pChild->m_hWnd)) m_pChild->Invalidate();
    return;
  }
  for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton})
    if (!pButton->IsWindowVisible()) pButton->ShowWindow(SW_SHOWNA);
  UpdateExpandButton();
}

void CKWDockWindow::UpdateExpandButton() {
  KWExpandButtonState state =
      KWExpandButtonFor(Place(), m_sizes.bOnlyInRow != FALSE, m_sizes.bExpanded != FALSE);
  if (state.nIcon == m_nExpandState) return;
  m_nExpandState = state.nIcon;
  if (!::IsWindow(m_pExpandButton->m_hWnd)) return;
  m_pExpandButton->SetBarIcon(m_hIcons[state.nIcon]);
  m_pExpandButton->EnableWindow(state.bEnabled);
  if (::IsWindow(m_toolTip.m_hWnd))
    m_toolTip.UpdateTipText(state.tip == KWExpandTip::kContract ? IDS_KW_CONTRACT_DOCKED
                                                                : ID_KW_EXPAND_DOCKED,
                            m_pExpandButton);
}

void CKWDockWindow::ShowButtons(BOOL bShow) {
  for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton})
    pButton->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CKWDockWindow::DoPaint(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  DrawBorders(pDC, rect);
  const DWORD dwEx = GetExtendedStyle();
  UINT nEdge = 0;
  if (dwEx & kKWDockEtchedInside)
    nEdge = EDGE_ETCHED;
  else if (dwEx & kKWDockThinInside)
    nEdge = BDR_SUNKENOUTER;
  else if (dwEx & kKWDockRaisedInside)
    nEdge = EDGE_RAISED;
  if (nEdge == 0) return;
  CRect inside;
  GetInsideRect(inside);
  pDC->DrawEdge(&inside, nEdge, BF_RECT);
}

BOOL CKWDockWindow::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  BOOL bResult = CKWControlBar::ModifyExtendedStyle(dwRemove, dwAdd, bRedraw);
  if (m_pHideButton != nullptr && m_pExpandButton != nullptr &&
      ::IsWindow(m_pHideButton->m_hWnd) && ::IsWindow(m_pExpandButton->m_hWnd)) {
    UpdateButtonStyles();
    ShowButtons(Style().HasButtons());
  }
  return bResult;
}

void CKWDockWindow::DrawBorders(CDC* pDC, CRect& rect) {
  const CKWGlobalData& data = KWGetGlobalData();
  const DWORD dwStyle = GetBarStyle();
  if (dwStyle & CBRS_BORDER_RIGHT)
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), data.clrBtnShadow);
  if (dwStyle & CBRS_BORDER_BOTTOM)
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, data.clrBtnShadow);
  if (dwStyle & CBRS_BORDER_TOP)
    pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, data.clrBtnHilite);
  if (dwStyle & CBRS_BORDER_LEFT)
    pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), data.clrBtnHilite);
  DrawGripperStrip(pDC);
}

void CKWDockWindow::GetInsideRect(CRect& rect) const {
  GetClientRect(&rect);
  rect = KWDockInsideRect(rect, Place(), Style(), IsKindOf(RUNTIME_CLASS(CKWTabCtrlBar)) != FALSE);
}

void CKWDockWindow::SetOnlyInRow(BOOL bOnlyInRow) { m_sizes.bOnlyInRow = bOnlyInRow; }

int CKWDockWindow::GetMinLength() const { return KWDockMinLength(Style(), Place()); }

CWnd* CKWDockWindow::CreateChild(CRuntimeClass* pViewClass, CDocument* pDocument,
                                 CCreateContext* pContext) {
  CFrameWnd* pFrame = m_pParentWnd != nullptr && m_pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                           ? static_cast<CFrameWnd*>(m_pParentWnd)
                           : nullptr;
  CCreateContext context;
  if (pContext == nullptr) {
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pDocument;
    context.m_pNewDocTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
    context.m_pLastView = pFrame != nullptr ? pFrame->GetActiveView() : nullptr;
    pContext = &context;
  }
  auto* pWnd = static_cast<CWnd*>(pViewClass->CreateObject());
  if (pWnd == nullptr) AfxThrowMemoryException();
  if (!pWnd->Create(nullptr, nullptr, kChildStyle, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST,
                    pContext))
    return nullptr;
  pWnd->SetOwner(m_pParentWnd);
  return pWnd;
}

DockWindowSizeRecord CKWDockWindow::GetSizeRecord() const {
  DockWindowSizeRecord record;
  std::vector<BYTE> bytes = m_sizes.ToRecord(GetExtendedStyle());
  std::copy(bytes.begin(), bytes.end(), record.bytes);
  return record;
}

void CKWDockWindow::SetSizeRecord(const DockWindowSizeRecord& record) {
  m_sizes.ApplyRecord(record.bytes, sizeof record.bytes);
  UpdateButtonStyles();
}

void CKWDockWindow::SaveBarPosition(LPCSTR lpszSection) {
  if (m_hWnd == nullptr) return;
  CString strEntry;
  strEntry.LoadString(IDS_KW_BAR_POSITION);
  DockWindowSizeRecord record = GetSizeRecord();
  CKWProfileStore().WriteBinary(lpszSection, strEntry, record.bytes, sizeof record.bytes);
}

void CKWDockWindow::LoadBarPosition(LPCSTR lpszSection) {
  if (m_hWnd == nullptr) return;
  CString strEntry;
  strEntry.LoadString(IDS_KW_BAR_POSITION);
  BYTE* pData = nullptr;
  UINT nBytes = 0;
  if (!CKWProfileStore().GetBinary(lpszSection, strEntry, &pData, &nBytes)) return;
  if (m_sizes.ApplyRecord(pData, nBytes)) UpdateButtonStyles();
  delete[] pData;
}

CRect CKWDockWindow::GetGripperRect() const {
  return KWDockGripperRect(ClientSize(), Place(), Style().HasButtons());
}

CRect CKWDockWindow::GetButtonRect() const {
  KWDockButtonRects rects =
      KWDockButtonRectsFor(ClientSize(), Place(), KWGetGlobalData().bOfficeLook != FALSE);
  return Place() == KWDockPlace::kLeftRight ? rects.expand : rects.hide;
}

void CKWDockWindow::DrawGripperStrip(CDC* pDC) {
  const KWDockStyle style = Style();
  if (IsFloating() || !style.HasGripper()) return;
  const KWDockPlace place = Place();
  int nTextWidth = 0;
  CString text;
  GetWindowText(text);
  if (style.HasText() && !text.IsEmpty()) {
    CFont* pOld = pDC->SelectObject(place == KWDockPlace::kLeftRight ? &m_fontNormal : &m_fontVert);
    nTextWidth = pDC->GetTextExtent(text).cx;
    pDC->SelectObject(pOld);
  }
  KWDockGripperLines strip = KWDockGripperLinesFor(ClientSize(), place, style, nTextWidth);
  DrawCaption(pDC, strip.caption);
  const CKWGlobalData& data = KWGetGlobalData();
  for (int i = 0; i < strip.nLines; ++i)
    pDC->Draw3dRect(&strip.lines[i], data.clrBtnHilite, data.clrBtnShadow);
}

void CKWDockWindow::DrawCaption(CDC* pDC, const CRect& rect) {
  const CKWGlobalData& data = KWGetGlobalData();
  const KWDockStyle style = Style();
  const KWDockPlace place = Place();
  CRect caption = rect;
  if (!style.bOfficeLook) {
    if (!style.IsCaptionMode()) {
      pDC->SetTextColor(data.clrBtnShadow);
    } else {
      COLORREF c1 = m_bActive ? data.clrActiveCaption : data.clrInactiveCaption;
      BOOL bGradients = FALSE;
      if (style.HasGradient()) ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradients, 0);
      if (!bGradients) {
        pDC->FillSolidRect(&caption, c1);
      } else {
        COLORREF c2 = m_bActive ? data.clrGradActiveCaption : data.clrGradInactiveCaption;
        KWForEachCaptionBand(caption, place, c1, c2, [pDC](const CRect& band, COLORREF clr) {
          pDC->FillSolidRect(&band, clr);
        });
      }
      pDC->SetTextColor(m_bActive ? data.clrCaptionText : data.clrInactiveCaptionText);
    }
  } else {
    caption = KWDockCaptionCover(caption, place, style.HasButtons());
    if (!m_bActive) {
      pDC->FillSolidRect(&caption, data.clrBtnFace);
      pDC->SetTextColor(data.clrMenuText);
      pDC->Draw3dRect(&caption, data.clrBtnShadow, data.clrBtnShadow);
      // Rounded corners.
      for (int x : {caption.left, caption.right - 1})
        for (int y : {caption.top, caption.bottom - 1}) pDC->SetPixel(x, y, data.clrBtnFace);
    } else {
      pDC->SetTextColor(data.clrCaptionText);
      pDC->FillSolidRect(&caption, data.clrActiveCaption);
    }
  }
  CString text;
  GetWindowText(text);
  if (!style.HasText() || text.IsEmpty()) return;
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOld = pDC->SelectObject(place == KWDockPlace::kLeftRight ? &m_fontNormal : &m_fontVert);
  CPoint origin =
      KWDockCaptionTextOrigin(caption, place, style.bOfficeLook, data.bWin95 != FALSE);
  pDC->ExtTextOut(origin.x, origin.y, ETO_CLIPPED, &caption, text, nullptr);
  pDC->SelectObject(pOld);
}

void CKWDockWindow::UpdateButtonStyles() {
  if (!Style().HasButtons() || m_pHideButton == nullptr || m_pExpandButton == nullptr) return;
  const DWORD dwButtonStyle = static_cast<DWORD>(Style().ButtonStyle());
  for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton})
    if (::IsWindow(pButton->m_hWnd)) pButton->SetButtonStyle(dwButtonStyle, TRUE);
}

void CKWDockWindow::SetActive(BOOL bActive) {
  if ((bActive != FALSE) == (m_bActive != FALSE)) return;
  m_bActive = bActive;
  if (!Style().IsCaptionMode() || IsFloating()) return;
  CClientDC dc(this);
  DrawGripperStrip(&dc);
  if (!Style().HasButtons()) return;
  for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton})
    if (pButton != nullptr && ::IsWindow(pButton->m_hWnd)) pButton->Invalidate();
}

void CKWDockWindow::SetCaptionText(LPCSTR lpszText) {
  SetWindowText(lpszText);
  if (IsFloating()) {
    if (CFrameWnd* pFrame = GetParentFrame()) pFrame->SetWindowText(lpszText);
  } else {
    Invalidate();
  }
}

LRESULT CKWDockWindow::OnNcHitTest(CPoint) {
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  if (::GetCursor() != hArrow) ::SetCursor(hArrow);
  return HTCLIENT;
}

int CKWDockWindow::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CKWControlBar::OnCreate(lpCreateStruct) == -1) return -1;
  if (!Style().HasButtons()) return 0;
  m_pHideButton = new CKWBarButton(this);
  m_pExpandButton = new CKWBarButton(this);
  const CRect empty(0, 0, 0, 0);
  if (!m_pHideButton->Create("", kButtonStyle, empty, this, ID_KW_HIDE_DOCKED) ||
      !m_pExpandButton->Create("", kButtonStyle, empty, this, ID_KW_EXPAND_DOCKED))
    return -1;
  UpdateButtonStyles();
  m_pHideButton->SetBarIcon(m_hIcons[0]);
  if (m_toolTip.Create(this)) {
    m_toolTip.Activate(TRUE);
    m_toolTip.AddTool(m_pHideButton, ID_KW_HIDE_DOCKED);
    m_toolTip.AddTool(m_pExpandButton, ID_KW_EXPAND_DOCKED);
  }
  return 0;
}

void CKWDockWindow::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  Default();
  HDWP hdwp = ::BeginDeferWindowPos(kDeferredWindows);
  if (hdwp == nullptr) AfxThrowResourceException();
  const KWDockStyle style = Style();
  const bool bButtons = m_pHideButton != nullptr && m_pExpandButton != nullptr &&
                        ::IsWindow(m_pHideButton->m_hWnd) && ::IsWindow(m_pExpandButton->m_hWnd);
  if (!style.HasButtons()) {
    if (bButtons) {
      for (CKWBarButton* pButton : {m_pHideButton, m_pExpandButton})
        if (pButton->IsWindowVisible()) pButton->ShowWindow(SW_HIDE);
    }
    CWnd* pFloatFrame = m_pDockBar != nullptr ? m_pDockBar->GetParent() : nullptr;
    if (!IsFloating()) {
      m_bSysMenuRemoved = FALSE;
    } else if (pFloatFrame != nullptr && pFloatFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) &&
               !m_bSysMenuRemoved) {
      pFloatFrame->ModifyStyle(WS_SYSMENU, 0, SWP_FRAMECHANGED);
      m_bSysMenuRemoved = TRUE;
    }
  } else if (bButtons && !IsFloating()) {
    KWDockButtonRects rects =
        KWDockButtonRectsFor(ClientSize(), Place(), style.bOfficeLook);
    Defer(hdwp, m_pHideButton, rects.hide,
          kButtonFlags | (rects.hide.IsRectEmpty() ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
    Defer(hdwp, m_pExpandButton, rects.expand,
          kButtonFlags | (rects.expand.IsRectEmpty() ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
  }
  if (m_pChild != nullptr && ::IsWindow(m_pChild->m_hWnd)) {
    CRect inside;
    GetInsideRect(inside);
    inside.DeflateRect(1, 1);
    Defer(hdwp, m_pChild, inside, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::EndDeferWindowPos(hdwp);
}

void CKWDockWindow::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  // The borders are this window's own to draw.
  const DWORD dwStyle = m_dwStyle;
  m_dwStyle &= ~CBRS_BORDER_ANY;
  CKWControlBar::OnWindowPosChanging(lpWndPos);
  m_dwStyle = dwStyle;
  if (dwStyle & CBRS_SIZE_DYNAMIC) {
    CRect rect;
    GetWindowRect(&rect);
    if ((lpWndPos->flags & SWP_NOSIZE) ||
        (lpWndPos->cx == rect.Width() && lpWndPos->cy == rect.Height()))
      return;
    Invalidate();
  }
  if (lpWndPos->flags & SWP_HIDEWINDOW) return;
  if (IsFloating())
    ModifyStyle(WS_CLIPCHILDREN, 0);
  else
    ModifyStyle(0, WS_CLIPCHILDREN);
}

CKWDockBar* CKWDockWindow::GetKWDockBar() const {
  if (IsFloating() || m_pDockBar == nullptr || !m_pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar)))
    return nullptr;
  return static_cast<CKWDockBar*>(m_pDockBar);
}

void CKWDockWindow::DelayShow(BOOL bShow) {
  if (bShow) {
    ModifyExtendedStyle(0, kShownExStyle, FALSE);
  } else if (m_sizes.bExpanded) {
    // The frame lays the row out again once the window is hidden.
    if (CKWDockBar* pDockBar = GetKWDockBar()) pDockBar->RestoreRow(this, FALSE);
    RestoreLength();
  }
  CKWControlBar::DelayShow(bShow);
}

void CKWDockWindow::OnExpandDocked() {
  CKWDockBar* pDockBar = GetKWDockBar();
  if (!m_sizes.bExpanded) {
    if (pDockBar != nullptr) pDockBar->ExpandInRow(this, TRUE);
    m_sizes.bExpanded = TRUE;
  } else {
    if (pDockBar != nullptr) pDockBar->RestoreRow(this, TRUE);
    m_sizes.bExpanded = FALSE;
  }
}

void CKWDockWindow::OnHideDocked() {
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->ShowControlBar(this, FALSE, FALSE);
}

void CKWDockWindow::OnLButtonDown(UINT nFlags, CPoint point) {
  // The focus goes to the largest visible, enabled window at each level.
  HWND hTarget = nullptr;
  for (HWND hLevel = m_hWnd;;) {
    HWND hBest = nullptr;
    LONG nBestArea = -1;
    for (HWND h = ::GetWindow(hLevel, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
      CWnd* pWnd = CWnd::FromHandlePermanent(h);
      if (pWnd != nullptr && (pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) ||
                              pWnd->IsKindOf(RUNTIME_CLASS(CKWBarButton))))
        continue;
      if (!::IsWindowVisible(h) || !::IsWindowEnabled(h)) continue;
      CRect rect;
      ::GetClientRect(h, &rect);
      LONG nArea = rect.Width() * rect.Height();
      if (nArea > nBestArea) {
        hBest = h;
        nBestArea = nArea;
      }
    }
    if (hBest == nullptr) break;
    hTarget = hLevel = hBest;
  }
  if (hTarget != nullptr) {
    ::SetFocus(hTarget);
    SetActive(TRUE);
  }
  // May run the drag loop; nothing of this window is used after it.
  CKWControlBar::OnLButtonDown(nFlags, point);
}

LRESULT CKWDockWindow::OnInitialUpdate(WPARAM, LPARAM) {
  CControlBar::OnInitialUpdate();
  ++m_nInitCounter;
  return 0;
}

LRESULT CKWDockWindow::OnDeferredInit(WPARAM, LPARAM lParam) {
  // An initial update in between has done the work already.
  if (lParam == m_nInitCounter && IsFloating())
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return 0;
}
