#include "toolkit/win/CKWDockBar.h"

#include <algorithm>

#include "classlib/win/CDockContext.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWBarMenu.h"
#include "toolkit/win/CKWDockSplitter.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWMenuBar.h"
#include "toolkit/win/CKWPopupMenu.h"
#include "toolkit/win/CKWToolBar.h"
#include "toolkit/win/KWFrameBarMenu.h"

namespace {

// The docking window's mark while it waits for its row to be shared.
constexpr DWORD kExStyleNewlyDocked = 0x1000;
constexpr UINT kDockWindowMoveFlags = SWP_NOMOVE | SWP_NOZORDER;

}  // namespace

// The layout pass's questions, answered with the bars themselves.
class CKWDockBar::LayoutHost : public KWDockLayoutHost {
 public:
  explicit LayoutHost(CKWDockBar* pDockBar) : m_pDockBar(pDockBar) {}
  void NormalizeRow(KWDockEntries& entries, int index) override {
    // The pass may have put breaks in: the rows become the entries first.
    CPtrArray& bars = m_pDockBar->m_arrBars;
    bars.SetSize(static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i)
      bars[static_cast<int>(i)] = const_cast<void*>(entries[i].pOwner);
    m_pDockBar->NormalizeRow(index);
    for (int i = index; i < KWRowEnd(entries, index); ++i) {
      const CRect rectNew = entries[i].rectNew;
      entries[i] = m_pDockBar->ReadEntry(i);
      entries[i].rectNew = rectNew;
    }
  }
  int HideButtonsToFit(const KWDockEntry& bar, int length, int room) override {
    return ToolBar(bar)->HideButtonsToFit(length, room, m_pDockBar->IsHorz());
  }
  int ShowHiddenButtons(const KWDockEntry& bar, int length, int room) override {
    return ToolBar(bar)->ShowHiddenButtons(length, room, m_pDockBar->IsHorz());
  }

 private:
  static CKWToolBar* ToolBar(const KWDockEntry& bar) {
    return static_cast<CKWToolBar*>(const_cast<void*>(bar.pOwner));
  }
  CKWDockBar* m_pDockBar;
};

IMPLEMENT_DYNAMIC(CKWDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CKWDockBar, CDockBar)
  ON_WM_NCHITTEST()
  ON_WM_SETCURSOR()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CKWDockBar::CKWDockBar() = default;

CKWDockBar::~CKWDockBar() { DeleteSplitters(); }

BOOL CKWDockBar::IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

int CKWDockBar::IndexOf(const CControlBar* pBar) const {
  return pBar == nullptr ? kKWNoEntry : FindBar(const_cast<CControlBar*>(pBar));
}

CKWDockWindow* CKWDockBar::GetVisibleDockWindow(CControlBar* pBar) const {
  if (pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsVisible() ||
      !pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow)))
    return nullptr;
  return static_cast<CKWDockWindow*>(pBar);
}

CKWDockWindow* CKWDockBar::DockWindowAt(int index) const {
  if (index < 0 || index >= m_arrBars.GetSize()) return nullptr;
  return GetVisibleDockWindow(GetDockedControlBar(index));
}

KWDockEntry CKWDockBar::ReadEntry(int nPos) const {
  KWDockEntry e;
  e.pOwner = m_arrBars[nPos];
  if (e.pOwner == nullptr) return e;
  CControlBar* pBar = GetDockedControlBar(nPos);
  if (pBar == nullptr) {
    e.kind = KWDockEntry::kPlaceholder;
    return e;
  }
  e.kind = KWDockEntry::kBar;
  e.bVisible = pBar->m_hWnd != nullptr && pBar->IsVisible();
  e.dwStyle = pBar->GetBarStyle();
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWMenuBar)))
    e.barClass = KWDockEntry::kMenuBar;
  else if (pBar->GetRuntimeClass() == RUNTIME_CLASS(CKWToolBar) &&
           static_cast<CKWToolBar*>(pBar)->HasChevron())
    e.barClass = KWDockEntry::kChevronToolBar;
  else if (!pBar->IsKindOf(RUNTIME_CLASS(CKWControlBar)))
    e.barClass = KWDockEntry::kOtherBar;
  if (!e.bVisible) return e;
  pBar->GetWindowRect(&e.rectCurrent);
  ScreenToClient(&e.rectCurrent);
  const BOOL bHorz = IsHorz();
  if (CKWDockWindow* pWindow = GetVisibleDockWindow(pBar)) {
    const CSize docked = pWindow->CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    e.bDockWindow = TRUE;
    e.nLength = bHorz ? docked.cx : docked.cy;
    e.nDesiredLength = bHorz ? pWindow->GetDesiredWidth() : pWindow->GetDesiredHeight();
    e.nThickness = bHorz ? pWindow->GetDesiredHeight() : pWindow->GetDesiredWidth();
    e.nMinLength = pWindow->GetMinLength();
    e.bNew = (pWindow->GetExtendedStyle() & kExStyleNewlyDocked) != 0;
    e.bExpanded = pWindow->IsExpanded();
    e.bOnlyInRow = pWindow->IsOnlyInRow();
    return e;
  }
  DWORD dwMode = LM_VERTDOCK;
  if ((e.dwStyle & CBRS_SIZE_DYNAMIC) && (e.dwStyle & CBRS_FLOATING))
    dwMode = LM_HORZ | LM_MRUWIDTH;
  else if (e.dwStyle & CBRS_ORIENT_HORZ)
    dwMode = LM_HORZ | LM_HORZDOCK;
  const CSize size = pBar->CalcDynamicLayout(-1, dwMode);
  e.nLength = bHorz ? size.cx : size.cy;
  e.nThickness = bHorz ? size.cy : size.cx;
  return e;
}

KWDockEntries CKWDockBar::GetEntries() const {
  KWDockEntries entries;
  for (int i = 0; i < m_arrBars.GetSize(); ++i) entries.push_back(ReadEntry(i));
  return entries;
}

int CKWDockBar::GetRowStart(CControlBar* pBar) const {
  return KWRowStart(GetEntries(), IndexOf(pBar));
}

int CKWDockBar::CountDockWindows(int index, CControlBar* pExclude) const {
  return KWCountDockWindows(GetEntries(), index, IndexOf(pExclude));
}

int CKWDockBar::GetRowThickness(int index, CControlBar* pExclude) const {
  return KWRowThickness(GetEntries(), index, IndexOf(pExclude));
}

int CKWDockBar::GetMinRowThickness(int index, CControlBar* pExclude) const {
  return KWMinRowThickness(GetEntries(), index, IndexOf(pExclude));
}

int CKWDockBar::GetDesiredRowLength(int index, CControlBar* pExclude) const {
  return KWDesiredRowLength(GetEntries(), index, IndexOf(pExclude));
}

int CKWDockBar::GetMinRowLength(int index, CControlBar* pExclude) const {
  return KWMinRowLength(GetEntries(), index, IndexOf(pExclude));
}

int CKWDockBar::GetFixedRowLength(int index, CControlBar* pExclude) const {
  return KWFixedRowLength(GetEntries(), index, IndexOf(pExclude));
}

CKWDockWindow* CKWDockBar::FindNewDockWindow(int index) const {
  return DockWindowAt(KWFindNewDockWindow(GetEntries(), index));
}

CKWDockWindow* CKWDockBar::GetFirstDockWindow(int index) const {
  return DockWindowAt(KWFirstDockWindow(GetEntries(), index));
}

CKWDockWindow* CKWDockBar::FindExpandedDockWindow(int index) const {
  return DockWindowAt(KWFindExpandedDockWindow(GetEntries(), index));
}

int CKWDockBar::GetAvailableThickness() const {
  if (m_pDockSite == nullptr || m_pDockSite->m_hWnd == nullptr) return 0;
  CRect rectClient;
  m_pDockSite->GetClientRect(&rectClient);
  const BOOL bHorz = IsHorz();
  int nAvailable = bHorz ? rectClient.Height() : rectClient.Width();
  const UINT horzIds[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_STATUS_BAR};
  const UINT vertIds[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
  auto subtract = [&](UINT nID) {
    CControlBar* pBar = m_pDockSite->GetControlBar(nID);
    if (pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsWindowVisible()) return;
    CRect rect;
    pBar->GetWindowRect(&rect);
    nAvailable -= bHorz ? rect.Height() : rect.Width();
  };
  if (bHorz)
    for (UINT nID : horzIds) subtract(nID);
  else
    for (UINT nID : vertIds) subtract(nID);
  return nAvailable;
}

void CKWDockBar::SetDockWindowSize(CKWDockWindow* pWindow, int nLength, int nThickness) {
  const CSize size = IsHorz() ? CSize(nLength, nThickness) : CSize(nThickness, nLength);
  pWindow->SetBarSize(size);
  pWindow->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, kDockWindowMoveFlags);
}

void CKWDockBar::ApplySizes(const KWDockEntries& before, const KWDockEntries& after) {
  for (size_t i = 0; i < after.size(); ++i) {
    const KWDockEntry& was = before[i];
    const KWDockEntry& now = after[i];
    if (!KWIsVisibleDockWindow(now) ||
        (now.nDesiredLength == was.nDesiredLength && now.nThickness == was.nThickness))
      continue;
    if (CKWDockWindow* pWindow = DockWindowAt(static_cast<int>(i)))
      SetDockWindowSize(pWindow, now.nDesiredLength, now.nThickness);
  }
}

template <typename Change>
int CKWDockBar::ChangeDockWindows(Change change) {
  const KWDockEntries before = GetEntries();
  KWDockEntries after = before;
  const int result = change(after);
  ApplySizes(before, after);
  return result;
}

int CKWDockBar::SetRowThickness(int index, int nThickness) {
  return ChangeDockWindows([&](KWDockEntries& entries) {
    KWSetRowThickness(entries, index, nThickness);
    return nThickness;
  });
}

int CKWDockBar::ResizeBefore(int index, int delta) {
  return ChangeDockWindows(
      [&](KWDockEntries& entries) { return KWResizeBefore(entries, index, delta); });
}

int CKWDockBar::ResizeFrom(int index, int delta) {
  return ChangeDockWindows(
      [&](KWDockEntries& entries) { return KWResizeFrom(entries, index, delta); });
}

void CKWDockBar::RecalcAfterRowChange(int nRowStart, BOOL bNotify) {
  const int nLast = KWRowEnd(GetEntries(), nRowStart) - 1;
  if (bNotify && DockWindowAt(nLast) != nullptr && m_pDockSite != nullptr)
    m_pDockSite->RecalcLayout(TRUE);
}

void CKWDockBar::ExpandInRow(CKWDockWindow* pWindow, BOOL bNotify) {
  const int nStart = GetRowStart(pWindow);
  if (nStart < 0) return;
  const CSize size =
      pWindow->CalcDynamicLayout(-1, pWindow->IsHorzDocked() ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
  int nTotal = pWindow->IsHorzDocked() ? size.cx : size.cy;
  const int nEnd = KWRowEnd(GetEntries(), nStart);
  for (int i = nStart; i < nEnd; ++i) {
    CKWDockWindow* pOther = DockWindowAt(i);
    if (pOther != nullptr && pOther != pWindow) nTotal += pOther->MinimizeLength();
  }
  pWindow->ExpandLength(nTotal);
  RecalcAfterRowChange(nStart, bNotify);
}

void CKWDockBar::RestoreRow(CKWDockWindow* pWindow, BOOL bNotify) {
  const int nStart = GetRowStart(pWindow);
  if (nStart < 0) return;
  const int nEnd = KWRowEnd(GetEntries(), nStart);
  for (int i = nStart; i < nEnd; ++i)
    if (CKWDockWindow* pOther = DockWindowAt(i)) pOther->RestoreLength();
  RecalcAfterRowChange(nStart, bNotify);
}

void CKWDockBar::NormalizeRow(int index) {
  CKWDockWindow* pNew = FindNewDockWindow(index);
  if (pNew != nullptr) pNew->ModifyExtendedStyle(kExStyleNewlyDocked, 0, FALSE);
  CKWDockWindow* pExpanded = FindExpandedDockWindow(index);
  RestoreRow(pExpanded != nullptr ? pExpanded : GetFirstDockWindow(index), TRUE);

  CRect rectRoom = m_rectLayout;
  if (rectRoom.IsRectEmpty()) GetClientRect(&rectRoom);
  const int nAvail = IsHorz() ? rectRoom.Width() : rectRoom.Height();
  const KWDockEntries before = GetEntries();
  const int nWindows = KWCountDockWindows(before, index, kKWNoEntry);
  if (nWindows == 0) return;
  if (nWindows == 1) {
    // The one window takes the row's thickness and all the room left.
    CKWDockWindow* pWindow = GetFirstDockWindow(index);
    const KWDockEntry& e = before[IndexOf(pWindow)];
    SetDockWindowSize(pWindow, e.nDesiredLength, KWRowThickness(before, index, kKWNoEntry));
    pWindow->ExpandLength(nAvail - KWFixedRowLength(before, index, kKWNoEntry));
    return;
  }
  KWDockEntries after = before;
  KWShareRowLength(after, index, IndexOf(pNew), nAvail);
  ApplySizes(before, after);
  if (pExpanded != nullptr) ExpandInRow(pNew != nullptr ? pNew : pExpanded, TRUE);
}

void CKWDockBar::ClearRowBorders(int index, DWORD dwMask, BOOL bDockWindowsOnly) {
  KWDockEntries entries = GetEntries();
  KWClearRowBorders(entries, index, dwMask, bDockWindowsOnly, m_dwExStyle);
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = GetDockedControlBar(i);
    if (pBar != nullptr && pBar->GetBarStyle() != entries[i].dwStyle)
      pBar->SetBarStyle(entries[i].dwStyle);
  }
}

void CKWDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
  if (pBar == nullptr) return;
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow))) {
    auto* pWindow = static_cast<CKWDockWindow*>(pBar);
    pWindow->ModifyExtendedStyle(0, kExStyleNewlyDocked, FALSE);
    // Read before it moves: its side now is where it comes from.
    pWindow->DockOnSide(IsHorz());
  }
  CDockBar::DockControlBar(pBar, lpRect);
}

void CKWDockBar::AddSplitter(const CRect& rect, int nKind, BOOL bRowSplitter, int index) {
  if (bRowSplitter)
    m_arrSplitters.push_back(std::make_unique<CKWDockSplitter>(this, rect, nKind, index));
  else
    m_arrSplitters.push_back(std::make_unique<CKWBarSplitter>(this, rect, nKind, index));
}

void CKWDockBar::DeleteSplitters() {
  // A drag cannot outlive its splitter.
  if (m_bTracking) OnCancel();
  m_arrSplitters.clear();
  m_nHotSplitter = -1;
}

void CKWDockBar::SetSplitterExtent(int nFirst, int nKind, int nValue) {
  for (int n = std::max(nFirst, 0); n < GetSplitterCount(); ++n) {
    CKWDockSplitter* pSplitter = GetSplitter(n);
    if ((pSplitter->IsHorz() ? kKWSplitterHorz : kKWSplitterVert) == nKind)
      pSplitter->SetLength(nValue);
  }
}

CSize CKWDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  if (m_hWnd != nullptr) InvalidateRect(nullptr, FALSE);
  KWDockLayoutOptions options;
  options.nDockBarId = static_cast<UINT>(GetDlgCtrlID());
  options.sizeBase = CControlBar::CalcFixedLayout(bStretch, bHorz);
  options.sizeMax = m_rectLayout.Size();
  if (m_rectLayout.IsRectEmpty() && m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
    CRect rectClient;
    m_pDockSite->GetClientRect(&rectClient);
    options.sizeMax = rectClient.Size();
  }
  options.bFloating = m_bFloating;
  options.bHasBottomDockBar =
      m_pDockSite != nullptr && m_pDockSite->GetControlBar(AFX_IDW_DOCKBAR_BOTTOM) != nullptr;
  options.dwExStyle = m_dwExStyle;
  options.cxOtherOverlap = 2 * ::GetSystemMetrics(SM_CYBORDER);

  DeleteSplitters();
  KWDockEntries entries = GetEntries();
  LayoutHost host(this);
  const KWDockLayoutResult result = KWLayOutDockBar(entries, options, host);

  // The rows as the pass left them, breaks and moved menu bar included.
  m_arrBars.SetSize(static_cast<int>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i)
    m_arrBars[static_cast<int>(i)] = const_cast<void*>(entries[i].pOwner);
  for (const KWDockSplitterPlace& place : result.splitters)
    AddSplitter(place.rect, place.nKind, place.bRowSplitter, place.nIndex);

  AFX_SIZEPARENTPARAMS params = {};
  if (!m_bLayoutQuery) params.hDWP = ::BeginDeferWindowPos(static_cast<int>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
    if (pBar == nullptr) continue;
    const KWDockEntry& e = entries[i];
    // The pass changed only the borders its rules allow.
    if (pBar->GetBarStyle() != e.dwStyle) pBar->SetBarStyle(e.dwStyle);
    if (e.bDockWindow) static_cast<CKWDockWindow*>(pBar)->SetOnlyInRow(e.bOnlyInRow);
    if (!e.rectNew.IsRectNull() && e.rectNew != e.rectCurrent) {
      if (!m_bLayoutQuery && !(e.dwStyle & CBRS_FLOATING) && pBar->m_pDockContext != nullptr)
        pBar->m_pDockContext->m_rectMRUDockPos = e.rectNew;
      AfxRepositionWindow(&params, pBar->m_hWnd, &e.rectNew);
    }
    pBar->RecalcDelayShow(&params);
  }
  if (params.hDWP != nullptr) ::EndDeferWindowPos(params.hDWP);
  if (result.bRecalcLater && m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout(TRUE);
  return result.size;
}

void CKWDockBar::DoPaint(CDC* pDC) {
  CDockBar::DoPaint(pDC);
  for (const auto& pSplitter : m_arrSplitters) pSplitter->Draw(pDC);
}

void CKWDockBar::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetWindowRect(&rect);
  rect.OffsetRect(-rect.left, -rect.top);
  CKWMemDC memDC(&dc, &rect, KWGetGlobalData().clrBtnFace);
  if (IsVisible() && GetDockedVisibleCount() > 0) DoPaint(&memDC);
}

void CKWDockBar::SetSplitterCursor(CPoint point) {
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  if (::GetCapture() != nullptr) return;
  ScreenToClient(&point);
  m_nHotSplitter = -1;
  for (int n = 0; n < GetSplitterCount(); ++n) {
    if (!GetSplitter(n)->HitTest(point)) continue;
    m_nHotSplitter = n;
    const CKWGlobalData& data = KWGetGlobalData();
    ::SetCursor(GetSplitter(n)->IsHorz() ? data.hcurSplitNS : data.hcurSplitWE);
    return;
  }
}

LRESULT CKWDockBar::OnNcHitTest(CPoint point) {
  SetSplitterCursor(point);
  return m_nHotSplitter >= 0 ? HTBORDER : static_cast<LRESULT>(Default());
}

BOOL CKWDockBar::OnSetCursor(CWnd*, UINT nHitTest, UINT) {
  // Elsewhere the splitter cursor set while hit-testing stays.
  return nHitTest == HTCLIENT ? static_cast<BOOL>(Default()) : FALSE;
}

CKWDockSplitter* CKWDockBar::GetTrackedSplitter() const {
  return m_nHotSplitter >= 0 && m_nHotSplitter < GetSplitterCount() ? GetSplitter(m_nHotSplitter)
                                                                     : nullptr;
}

void CKWDockBar::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  CKWDockSplitter* pSplitter = GetTrackedSplitter();
  if (pSplitter == nullptr || !pSplitter->OnLButtonDown(nHitTest, point)) {
    Default();
    return;
  }
  SetCapture();
  CWnd* pPrev = SetFocus();
  m_hWndPrevFocus = pPrev != nullptr ? pPrev->m_hWnd : nullptr;
  m_bTracking = TRUE;
}

void CKWDockBar::OnMouseMove(UINT nFlags, CPoint point) {
  CKWDockSplitter* pSplitter = m_bTracking ? GetTrackedSplitter() : nullptr;
  if (pSplitter != nullptr)
    pSplitter->OnMouseMove(nFlags, point);
  else
    Default();
}

void CKWDockBar::StopTracking() {
  m_bTracking = FALSE;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  // The window that had the focus may have gone meanwhile.
  if (m_hWndPrevFocus != nullptr && ::IsWindow(m_hWndPrevFocus)) ::SetFocus(m_hWndPrevFocus);
  m_hWndPrevFocus = nullptr;
}

void CKWDockBar::OnLButtonUp(UINT nFlags, CPoint point) {
  if (!m_bTracking) {
    Default();
    return;
  }
  StopTracking();
  if (CKWDockSplitter* pSplitter = GetTrackedSplitter()) pSplitter->OnLButtonUp(nFlags, point);
}

void CKWDockBar::OnCancel() {
  if (!m_bTracking) return;
  if (CKWDockSplitter* pSplitter = GetTrackedSplitter()) pSplitter->InvertTracker();
  StopTracking();
}

void CKWDockBar::OnRButtonDown(UINT, CPoint point) {
  ClientToScreen(&point);
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame == nullptr) return;
  CKWPopupMenu menu;
  if (!KWCreateBarMenu(menu, KWBarMenuItems(KWFrameBarEntries(pFrame)))) return;
  menu.TrackPopupMenu(0, point.x, point.y, pFrame, TRUE);
}
