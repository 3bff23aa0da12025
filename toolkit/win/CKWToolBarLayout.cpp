#include "toolkit/win/CKWToolBar.h"

#include <algorithm>

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/ToolBarControl.h"
#include "toolkit/core/KWHiddenPopup.h"
#include "toolkit/win/CKWExpButton.h"
#include "toolkit/win/CKWGlobalData.h"

// The rows for each side, the buttons a short row hides behind the chevron,
// and the copy of them the hidden-buttons popup shows.

namespace {
// The chevron: 12 pixels along the row, the bar's thickness less 2 across.
constexpr int kChevronLength = 12;
constexpr int kChevronInset = 2;
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// The class library's wrapping step measures rows in the same units.
static_assert(kKWToolBarUnlimited == kToolBarUnlimited);
}  // namespace

std::vector<KWToolButton> CKWToolBar::ReadButtons(std::vector<TBBUTTON>* pButtons) const {
  std::vector<KWToolButton> items = ReadToolBarItems<KWToolButton>(m_hWnd, pButtons);
  for (size_t i = 0; i < items.size(); ++i) {
    const TBBUTTON& button = (*pButtons)[i];
    KWToolButton& item = items[i];
    const CKWToolButtonEntry* pEntry =
        const_cast<CKWToolBar*>(this)->EntryOf(static_cast<UINT>(button.idCommand));
    item.bControlHost = item.bSeparator && button.idCommand != 0 && pEntry != nullptr &&
                        pEntry->pControl != nullptr;
    item.cy = m_sizeButton.cy;
    auto hidden = m_hidden.find(static_cast<int>(i));
    CRect rect;
    if (hidden != m_hidden.end()) {
      item.cx = hidden->second;
    } else if (item.bSeparator) {
      item.cx = button.iBitmap;
    } else if (ToolBarMeasuredRect(m_hWnd, static_cast<int>(i), &rect)) {
      // A drop-down button is wider by its arrow: the control knows by how much.
      item.cx = rect.Width();
      item.cy = rect.Height();
    } else {
      item.cx = m_sizeButton.cx;
    }
  }
  return items;
}

int CKWToolBar::InsideAlong(BOOL bHorz) const {
  CRect inside(0, 0, 0, 0);
  CalcInsideRect(inside, bHorz);
  return bHorz ? -inside.Width() : -inside.Height();
}

KWRowMetrics CKWToolBar::RowMetrics(BOOL bHorz) const {
  KWRowMetrics metrics;
  metrics.bHorz = bHorz != FALSE;
  metrics.nInsideBorders = InsideAlong(bHorz);
  metrics.bChevron = HasChevron() != FALSE;
  metrics.bCustomize = m_bCustomize != FALSE;
  return metrics;
}

CSize CKWToolBar::CalcLayout(DWORD dwMode, int nLength) {
  std::vector<TBBUTTON> buttons;
  std::vector<KWToolButton> items = ReadButtons(&buttons);
  BOOL bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
  BOOL bFloating = (m_dwStyle & CBRS_FLOATING) != 0;
  int nWrap = 0;
  bool bVert = false;
  if (ToolBarWrapLength(*this, dwMode, nLength, m_nMRUWidth, &nWrap, &bVert))
    KWSizeToolBar(items, nWrap, bVert);
  CSize size = KWCalcToolBarSize(items);
  bool bChevronShows = HasChevron() && (HasHiddenButtons() || m_bCustomize) && (IsInReBar() || !bFloating);
  if (bChevronShows) (IsHorizontal() ? size.cx : size.cy) += kKWChevronRoom;
  bool bChevronToggled = false;
  if (dwMode & LM_COMMIT) {
    BOOL bDelayed = m_bDelayedButtonLayout;
    m_bDelayedButtonLayout = FALSE;
    if (bDynamic && bFloating) m_nMRUWidth = size.cx;
    ApplyToolBarWraps(items, &buttons);
    for (size_t i = 0; i < buttons.size(); ++i) SetButton(static_cast<int>(i), buttons[i]);
    for (const CKWToolButtonEntry& entry : m_entries)
      if (entry.pControl != nullptr) PositionControl(entry.pControl);
    if (m_pChevron != nullptr && m_pChevron->m_hWnd != nullptr) {
      bool bWasVisible = m_pChevron->IsWindowVisible() != FALSE;
      if (bFloating || !bChevronShows) {
        if (bWasVisible) m_pChevron->ShowWindow(SW_HIDE);
        bChevronToggled = bWasVisible;
      } else {
        CRect client;
        GetClientRect(&client);
        CSize sizeChevron = IsHorizontal() ? CSize(kChevronLength, size.cy - kChevronInset)
                                           : CSize(size.cx - kChevronInset, kChevronLength);
        CRect current;
        m_pChevron->GetWindowRect(&current);
        if (current.Size() != sizeChevron || !bWasVisible)
          m_pChevron->SetWindowPos(nullptr, 0, 0, sizeChevron.cx, sizeChevron.cy,
                                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        bChevronToggled = !bWasVisible;
      }
    }
    m_bDelayedButtonLayout = bDelayed;
  }
  size = ToolBarBarSize(*this, size, dwMode);
  // A bar laid out with room for its chevron has it at its end until a row
  // gives it another length.
  if ((dwMode & LM_COMMIT) && bChevronShows && !bFloating)
    PlaceChevron(IsHorizontal() ? size.cx : size.cy, IsHorizontal());
  if (bChevronToggled) SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  return size;
}

CSize CKWToolBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  if (ToolBarDockedFixed(nLength, nMode))
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZDOCK) != 0);
  return CalcLayout(nMode, nLength);
}

void CKWToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
  if (m_hWnd == nullptr) return;
  constexpr DWORD kBorderBits = CBRS_BORDER_ANY;
  if ((dwOldStyle ^ dwNewStyle) & kBorderBits)
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  m_bDelayedButtonLayout = TRUE;
  if (dwOldStyle == dwNewStyle) return;
  UnhideAll();
  ToolBarCommitLayout(this, -1);
}

void CKWToolBar::UnhideAll() {
  for (const auto& hidden : m_hidden) {
    TBBUTTON button;
    if (!GetButton(hidden.first, &button)) continue;
    button.fsState &= ~TBSTATE_HIDDEN;
    SetButton(hidden.first, button);
  }
  m_hidden.clear();
}

void CKWToolBar::SetHiddenStates(const std::vector<KWToolButton>& buttons) {
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    TBBUTTON button;
    if (!GetButton(i, &button)) continue;
    bool bHidden = buttons[static_cast<size_t>(i)].bHidden;
    if (((button.fsState & TBSTATE_HIDDEN) != 0) == bHidden) continue;
    button.fsState = bHidden ? (button.fsState | TBSTATE_HIDDEN) : (button.fsState & ~TBSTATE_HIDDEN);
    SetButton(i, button);
    m_bDelayedButtonLayout = TRUE;
  }
}

int CKWToolBar::HideButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz) {
  PlaceChevron(nAvailable, bHorz);
  std::vector<TBBUTTON> raw;
  std::vector<KWToolButton> buttons = ReadButtons(&raw);
  std::vector<int> hidden = KWHideButtonsToFit(buttons, nNeeded, nAvailable, RowMetrics(bHorz));
  if (hidden.empty()) return nNeeded;
  for (int i : hidden) m_hidden[i] = buttons[static_cast<size_t>(i)].cx;
  SetHiddenStates(buttons);
  PlaceChevron(nAvailable, bHorz);
  RedrawWindow(nullptr, nullptr, kRedrawNow);
  return nNeeded;
}

int CKWToolBar::ShowHiddenButtons(int nNeeded, int nAvailable, BOOL bHorz) {
  if (m_hidden.empty()) {
    PlaceChevron(nNeeded, bHorz);
    return nNeeded;
  }
  PlaceChevron(nAvailable, bHorz);
  std::vector<TBBUTTON> raw;
  std::vector<KWToolButton> buttons = ReadButtons(&raw);
  std::vector<int> hidden;
  for (const auto& h : m_hidden) hidden.push_back(h.first);
  std::vector<int> shown = KWShowHiddenButtons(buttons, hidden, nAvailable, RowMetrics(bHorz));
  for (int i : shown) m_hidden.erase(i);
  SetHiddenStates(buttons);
  PlaceChevron(nAvailable, bHorz);
  if (!shown.empty()) SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  return m_hidden.empty() ? KWRowLength(buttons, RowMetrics(bHorz)) : nAvailable;
}

void CKWToolBar::PlaceChevron(int nLength, BOOL bHorz) {
  if (m_pChevron == nullptr || m_pChevron->m_hWnd == nullptr) return;
  bool bVisible = HasHiddenButtons() || m_bCustomize;
  int nFirstExtent = 0;
  for (int i = 0; i < GetButtonCount(); ++i) {
    if (GetButtonStyle(i) & TBBS_HIDDEN) continue;
    CRect rect;
    ::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
    nFirstExtent = bHorz ? rect.Width() : rect.Height();
    break;
  }
  CPoint pos = KWChevronPosition(nLength, bHorz != FALSE, InsideAlong(bHorz), IsInReBar() != FALSE,
                                 nFirstExtent);
  CRect current;
  m_pChevron->GetWindowRect(&current);
  ScreenToClient(&current);
  bool bWasVisible = m_pChevron->IsWindowVisible() != FALSE;
  if (current.TopLeft() == pos && bWasVisible == bVisible) return;
  m_pChevron->SetWindowPos(nullptr, pos.x, pos.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                               (bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  RedrawWindow(nullptr, nullptr, kRedrawNow);
}

int CKWToolBar::GetMinBandSize() const {
  for (int i = 0; i < GetButtonCount(); ++i) {
    if (GetButtonStyle(i) & TBBS_HIDDEN) continue;
    CRect rect;
    ::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
    BOOL bHorz = IsHorizontal();
    return (bHorz ? rect.Width() : rect.Height()) + InsideAlong(bHorz) + kKWChevronRoom;
  }
  return InsideAlong(IsHorizontal()) + kKWChevronRoom;
}

BOOL CKWToolBar::GetBandChildSize(REBARBANDINFOA* pInfo, BOOL bHorz) {
  CKWControlBar::GetBandChildSize(pInfo, bHorz);
  if (!HasChevron()) return TRUE;
  pInfo->fMask |= RBBIM_SIZE | RBBIM_IDEALSIZE;
  pInfo->cxIdeal = pInfo->cxMinChild;
  pInfo->cx = pInfo->cxMinChild + kKWChevronRoom + 1;
  pInfo->cxMinChild = static_cast<UINT>(GetMinBandSize());
  return TRUE;
}

void CKWToolBar::OnBandChildResize(NMREBARCHILDSIZE* pInfo, BOOL bHorz) {
  if (!HasChevron()) return;
  const RECT& child = pInfo->rcChild;
  int nAvailable = bHorz ? child.right - child.left : child.bottom - child.top;
  CSize size = CalcFixedLayout(FALSE, bHorz);
  int nNeeded = bHorz ? size.cx : size.cy;
  if (nAvailable < nNeeded)
    HideButtonsToFit(nNeeded, nAvailable, bHorz);
  else
    ShowHiddenButtons(nNeeded, nAvailable, bHorz);
  CalcDynamicLayout(-1, LM_COMMIT | (bHorz ? LM_HORZ : 0));
}

void CKWToolBar::CopyHiddenButtons(CKWToolBar* pTarget, int nWidth) {
  std::vector<int> indexes;
  std::vector<int> widths;
  for (int i = 0; i < GetButtonCount(); ++i) {
    TBBUTTON button;
    GetButton(i, &button);
    CKWToolButtonEntry* pEntry = EntryOf(static_cast<UINT>(button.idCommand));
    bool bControl = (button.fsStyle & TBSTYLE_SEP) && button.idCommand != 0 && pEntry != nullptr &&
                    pEntry->pControl != nullptr && pEntry->pControl->m_hWnd != nullptr;
    auto hidden = m_hidden.find(i);
    if (hidden == m_hidden.end()) continue;
    if ((button.fsStyle & TBSTYLE_SEP) && !bControl) continue;
    indexes.push_back(i);
    widths.push_back(hidden->second);
  }
  if (indexes.empty()) return;
  std::vector<int> breaks = KWHiddenRowBreaks(widths, nWidth);
  std::vector<UINT> ids;
  std::vector<size_t> sources;
  for (size_t n = 0; n < indexes.size(); ++n) {
    if (std::find(breaks.begin(), breaks.end(), static_cast<int>(n)) != breaks.end()) {
      ids.push_back(0);
      sources.push_back(SIZE_MAX);
    }
    ids.push_back(GetItemID(indexes[n]));
    sources.push_back(n);
  }
  pTarget->SetButtons(ids.data(), static_cast<int>(ids.size()));
  pTarget->m_bSourceBar = 0;
  if (m_nBitmapId != 0) pTarget->LoadBitmap(m_nBitmapId);
  for (size_t k = 0; k < ids.size(); ++k) {
    TBBUTTON button;
    if (sources[k] == SIZE_MAX) {
      pTarget->GetButton(static_cast<int>(k), &button);
      button.fsState = TBSTATE_WRAP | TBSTATE_ENABLED;
      pTarget->SetButton(static_cast<int>(k), button);
      continue;
    }
    int nSource = indexes[sources[k]];
    GetButton(nSource, &button);
    button.fsState &= ~(TBSTATE_HIDDEN | TBSTATE_WRAP);
    button.iString = -1;
    pTarget->SetButton(static_cast<int>(k), button);
    CString text = GetButtonText(nSource);
    if (!text.IsEmpty()) pTarget->SetButtonText(static_cast<int>(k), text);
  }
  // The target keeps its own entries, with the drop-downs and the lent controls.
  pTarget->m_entries.clear();
  for (size_t k = 0; k < ids.size(); ++k) {
    CKWToolButtonEntry entry;
    pTarget->GetButton(static_cast<int>(k), &entry.button);
    if (sources[k] != SIZE_MAX) {
      CKWToolButtonEntry* pSource = EntryOf(ids[k]);
      if (pSource != nullptr && pSource->pDropDown != nullptr)
        entry.pDropDown = std::make_unique<CKWDropDownButton>(*pSource->pDropDown);
    }
    pTarget->m_entries.push_back(std::move(entry));
  }
  for (size_t k = 0; k < ids.size(); ++k) {
    CKWToolButtonEntry* pSource = sources[k] != SIZE_MAX ? EntryOf(ids[k]) : nullptr;
    if (pSource != nullptr && pSource->pControl != nullptr) {
      pSource->pControl->SetParent(pTarget);
      pTarget->AttachControl(pSource->pControl, pSource->bBold);
    }
    if (pSource != nullptr && pSource->pDropDown != nullptr && pSource->pDropDown->nCommand != 0)
      pTarget->AddDropDownButton(ids[k], pSource->pDropDown->nMenuId,
                                 (SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS) != 0);
  }
  if (m_dwDrawTextMask != 0)
    pTarget->SendMessage(TB_SETDRAWTEXTFLAGS, m_dwDrawTextMask, static_cast<LPARAM>(m_dwDrawTextFlags));
}

BOOL CKWToolBar::IsFlatPainted() const { return KWGetGlobalData().bOfficeLook && !IsInReBar(); }
