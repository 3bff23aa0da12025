#include "classlib/win/CDockBar.h"

#include <algorithm>

#include "classlib/core/DockScreenScale.h"
#include "classlib/win/CDockContext.h"
#include "classlib/win/CDockState.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// The highest value a kept place (a bar's id in place of the bar) can have:
// no object lives at such an address.
constexpr UINT_PTR kMaxPlaceHolder = 0xFFFF;

bool IsPlaceHolder(void* p) {
  return p != nullptr && reinterpret_cast<UINT_PTR>(p) <= kMaxPlaceHolder;
}
void* MakePlaceHolder(UINT nID) { return reinterpret_cast<void*>(static_cast<UINT_PTR>(nID)); }
UINT BarID(const CControlBar* pBar) { return static_cast<UINT>(pBar->GetDlgCtrlID()); }

// The entry that ends a row.
void* const kRowBreak = nullptr;

// A floating dock bar is as long as the bars in it need.
constexpr int kUnlimitedLength = 32767;

}  // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {
  m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
  m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar() {
  // The bars still docked here go with the dock bar's window; they must not
  // point back at it.
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
    if (pBar != nullptr && pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
  }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  if (m_pDockSite == nullptr && !m_bFloating)
    m_pDockSite = pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                      ? static_cast<CFrameWnd*>(pParentWnd)
                      : pParentWnd->GetParentFrame();
  return CWnd::Create(nullptr, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// ---- The list of bars.

CControlBar* CDockBar::GetDockedControlBar(int nPos) const {
  void* p = m_arrBars[nPos];
  return IsPlaceHolder(p) ? nullptr : static_cast<CControlBar*>(p);
}

UINT CDockBar::GetPlaceHolderID(int nPos) const {
  void* p = m_arrBars[nPos];
  return IsPlaceHolder(p) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(p)) : 0;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const {
  for (int i = 0; i < m_arrBars.GetSize(); ++i)
    if (i != nPosExclude && m_arrBars[i] == pBar) return static_cast<int>(i);
  return -1;
}

int CDockBar::GetDockedCount() const {
  int nCount = 0;
  for (int i = 0; i < m_arrBars.GetSize(); ++i)
    if (GetDockedControlBar(static_cast<int>(i)) != nullptr) ++nCount;
  return nCount;
}

int CDockBar::GetDockedVisibleCount() const {
  int nCount = 0;
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
    if (pBar != nullptr && pBar->IsVisible()) ++nCount;
  }
  return nCount;
}

void CDockBar::EnsureEndBreaks() {
  if (m_arrBars.GetSize() == 0 || m_arrBars[0] != nullptr) m_arrBars.InsertAt(0, kRowBreak);
  if (m_arrBars[m_arrBars.GetUpperBound()] != nullptr) m_arrBars.Add(nullptr);
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar) {
  void* pPlace = MakePlaceHolder(BarID(pBar));
  for (int i = m_arrBars.GetUpperBound(); i >= 0; --i) {
    if (m_arrBars[i] != pPlace) continue;
    m_arrBars.RemoveAt(i);
    // A row left with nothing in it goes too.
    if (i > 0 && i < m_arrBars.GetSize() && m_arrBars[i - 1] == nullptr && m_arrBars[i] == nullptr)
      m_arrBars.RemoveAt(i);
  }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, BOOL bAddPlaceHolder) {
  int nPos = FindBar(pBar, nPosExclude);
  if (nPos < 0) return FALSE;
  if (bAddPlaceHolder) {
    RemovePlaceHolder(pBar);
    nPos = FindBar(pBar, nPosExclude);
    m_arrBars[nPos] = MakePlaceHolder(BarID(pBar));
  } else {
    m_arrBars.RemoveAt(nPos);
    if (nPos > 0 && nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == nullptr &&
        m_arrBars[nPos] == nullptr)
      m_arrBars.RemoveAt(nPos);
  }
  if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
  EnsureEndBreaks();
  if (m_bFloating) {
    // The floating frame follows what is left in it.
    CWnd* pParent = GetParent();
    if (pParent != nullptr) pParent->PostMessage(CMiniDockFrameWnd::WM_FLOATCONTENTCHANGED);
  } else if (m_pDockSite != nullptr) {
    m_pDockSite->DelayRecalcLayout();
  }
  return TRUE;
}

void CDockBar::AdoptBar(CControlBar* pBar) {
  if (pBar->GetParent() != this) pBar->SetParent(this);
  pBar->m_pDockBar = this;
  if (pBar->m_pDockSite == nullptr) pBar->m_pDockSite = m_pDockSite;
  // The bar takes the side (and the floating state) of the dock bar.
  DWORD dwStyle = (pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                  (m_dwStyle & CBRS_ALIGN_ANY) | (m_bFloating ? CBRS_FLOATING : 0);
  pBar->SetBarStyle(dwStyle);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, FALSE); }

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, TRUE); }

void CDockBar::DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bToKeptPlace) {
  CDockBar* pOldDockBar = pBar->m_pDockBar;
  if (pOldDockBar == this) {
    RemoveControlBar(pBar);
    pOldDockBar = nullptr;
  }
  // A bar docked in the frame again forgets the places it kept elsewhere.
  if (!m_bFloating && m_pDockSite != nullptr) {
    for (POSITION pos = m_pDockSite->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
      auto* pOther = static_cast<CControlBar*>(m_pDockSite->m_listControlBars.GetNext(pos));
      if (pOther->IsDockBar() && pOther != this)
        static_cast<CDockBar*>(pOther)->RemovePlaceHolder(pBar);
    }
  }
  int nPlace = FindBar(static_cast<CControlBar*>(MakePlaceHolder(BarID(pBar))));
  // Where the bar lands: the rectangle, else the start of its row.
  CRect rect(0, 0, 0, 0);
  if (lpRect != nullptr) {
    rect = *lpRect;
    ScreenToClient(&rect);
  }
  if (nPlace >= 0 && (bToKeptPlace || lpRect == nullptr)) {
    m_arrBars[nPlace] = pBar;
  } else {
    if (nPlace >= 0) RemovePlaceHolder(pBar);
    EnsureEndBreaks();
    DockInsertion insertion;
    if (lpRect != nullptr) {
      BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
      insertion = FindDockInsertion(GetSlots(bHorz), bHorz, rect.TopLeft());
    } else {
      insertion.nIndex = static_cast<size_t>(m_arrBars.GetSize());
      insertion.bNewRow = TRUE;
    }
    auto nIndex = static_cast<int>(insertion.nIndex);
    m_arrBars.InsertAt(nIndex, pBar);
    if (insertion.bNewRow) m_arrBars.InsertAt(nIndex + 1, kRowBreak);
  }
  EnsureEndBreaks();
  AdoptBar(pBar);
  // The layout keeps the offset along the row that the bar lands at.
  pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (pOldDockBar != nullptr)
    pOldDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pOldDockBar->m_bFloating);
  if (m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
}

// ---- Layout.

DWORD CDockBar::GetLayoutMode(const CControlBar* pBar, BOOL bHorz, BOOL bStretch) const {
  DWORD dwMode = bStretch ? LM_STRETCH : 0;
  if (m_bFloating && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)) return dwMode | LM_HORZ | LM_MRUWIDTH;
  return dwMode | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
}

std::vector<DockSlot> CDockBar::GetSlots(BOOL bHorz) const {
  std::vector<DockSlot> slots(static_cast<size_t>(m_arrBars.GetSize()));
  for (size_t i = 0; i < slots.size(); ++i) {
    void* p = m_arrBars[static_cast<int>(i)];
    if (p == nullptr) continue;  // a row break
    if (IsPlaceHolder(p)) {
      slots[i].kind = DockSlot::kPlaceholder;
      continue;
    }
    auto* pBar = static_cast<CControlBar*>(p);
    slots[i].kind = DockSlot::kBar;
    slots[i].bVisible = pBar->IsVisible();
    if (!slots[i].bVisible || pBar->m_hWnd == nullptr) continue;
    slots[i].size = pBar->CalcDynamicLayout(-1, GetLayoutMode(pBar, bHorz, FALSE));
    CRect rect;
    pBar->GetWindowRect(&rect);
    ScreenToClient(&rect);
    slots[i].rectCurrent = rect;
  }
  return slots;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  std::vector<DockSlot> slots = GetSlots(bHorz);
  DockRowsOptions options;
  options.bHorz = bHorz;
  options.bFloating = m_bFloating;
  CSize sizeRoom = m_rectLayout.Size();
  if (m_rectLayout.IsRectEmpty() && m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
    CRect rectClient;
    m_pDockSite->GetClientRect(&rectClient);
    sizeRoom = rectClient.Size();
  }
  options.nLength = m_bFloating ? kUnlimitedLength : (bHorz ? sizeRoom.cx : sizeRoom.cy);
  DockRowsLayout layout = LayOutDockRows(slots, options);

  bool bHasBars = layout.size.cx > 0 || layout.size.cy > 0;
  // The dock bar's own edges go round the rows.
  CRect rectInside(0, 0, 0, 0);
  if (bHasBars) CalcInsideRect(rectInside, bHorz);
  CSize sizeEdges(-rectInside.Width(), -rectInside.Height());

  // Bars move, and shown or hidden bars change, in one batch.
  AFX_SIZEPARENTPARAMS params = {};
  if (!m_bLayoutQuery) params.hDWP = ::BeginDeferWindowPos(static_cast<int>(slots.size()));
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].kind != DockSlot::kBar) continue;
    auto* pBar = static_cast<CControlBar*>(m_arrBars[static_cast<int>(i)]);
    if (slots[i].bVisible && !m_bLayoutQuery) {
      CRect rect = layout.rects[i];
      rect.OffsetRect(rectInside.left, rectInside.top);
      if (rect != slots[i].rectCurrent) AfxRepositionWindow(&params, pBar->m_hWnd, &rect);
      // Where the bar sits is where a double click brings it back to.
      if (!m_bFloating && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->m_rectMRUDockPos = rect;
        pBar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(GetDlgCtrlID());
      }
    }
    pBar->RecalcDelayShow(&params);
  }
  if (params.hDWP != nullptr) ::EndDeferWindowPos(params.hDWP);
  if (!m_bLayoutQuery)
    for (auto it = layout.wrapBefore.rbegin(); it != layout.wrapBefore.rend(); ++it)
      m_arrBars.InsertAt(static_cast<int>(*it), kRowBreak);

  CSize size = bHasBars ? layout.size + sizeEdges : CSize(0, 0);
  if (bStretch) (bHorz ? size.cx : size.cy) = kUnlimitedLength;
  return size;
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  m_bLayoutQuery = pLayout->hDWP == nullptr;
  m_rectLayout = pLayout->rect;
  LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
  m_bLayoutQuery = FALSE;
  return lResult;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {
  // The docked bars update their own items.
}

// ---- Saved layout.

void CDockBar::GetBarInfo(CControlBarInfo* pInfo) {
  pInfo->m_nBarID = BarID(this);
  pInfo->m_bDockBar = TRUE;
  pInfo->m_bFloating = m_bFloating;
  pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  pInfo->m_pointPos = CPoint(kNoDockPosition, kNoDockPosition);
  pInfo->m_bVisible = TRUE;
  if (m_bFloating) {
    // Where the bars are on the screen; the floating frame is put around them.
    CRect rect;
    GetWindowRect(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_bVisible = GetParent()->IsWindowVisible();
  }
  pInfo->m_arrBarID.RemoveAll();
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    UINT nID = p == nullptr       ? 0
               : IsPlaceHolder(p) ? GetPlaceHolderID(static_cast<int>(i)) | kPlaceHolderFlag
                                  : BarID(static_cast<CControlBar*>(p));
    pInfo->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(nID)));
  }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) {
  // The saved rows, keeping only the bars the frame still has.
  CPtrArray arrNew;
  arrNew.Add(nullptr);
  for (int i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
    auto nSaved = static_cast<UINT>(reinterpret_cast<UINT_PTR>(pInfo->m_arrBarID[i]));
    UINT nID = nSaved & kMaxPlaceHolder;
    if (nID == 0) {
      if (arrNew[arrNew.GetUpperBound()] != nullptr) arrNew.Add(nullptr);
      continue;
    }
    // Only a bar that docks may come here: not a dock bar, nor a bar such
    // as the status bar that was never made dockable.
    CControlBar* pBar = pFrameWnd->GetControlBar(nID);
    if (pBar == nullptr || pBar->IsDockBar() || pBar->m_pDockContext == nullptr) continue;
    void* pEntry = (nSaved & kPlaceHolderFlag) ? MakePlaceHolder(nID) : pBar;
    bool bListed = false;
    for (int j = 0; j < arrNew.GetSize() && !bListed; ++j) bListed = arrNew[j] == pEntry;
    if (!bListed) arrNew.Add(pEntry);
  }
  if (arrNew[arrNew.GetUpperBound()] != nullptr) arrNew.Add(nullptr);
  // Bars docked here that the saved layout does not name keep a row of their own.
  bool bLeftOver = false;
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
    if (pBar == nullptr || pBar->m_pDockBar != this) continue;
    bool bListed = false;
    for (int j = 0; j < arrNew.GetSize() && !bListed; ++j) bListed = arrNew[j] == pBar;
    if (bListed) continue;
    arrNew.Add(pBar);
    bLeftOver = true;
  }
  if (bLeftOver) arrNew.Add(nullptr);

  m_arrBars.RemoveAll();
  m_arrBars.Append(arrNew);
  for (int i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
    if (pBar == nullptr) continue;
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    AdoptBar(pBar);
    if (pOldDockBar != nullptr && pOldDockBar != this) pOldDockBar->RemoveControlBar(pBar);
  }
  if (m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
}
