#include "toolkit/win/CKWToolBar.h"

#include <algorithm>

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMenu.h"
#include "toolkit/win/CKWPopupMenu.h"
#include "toolkit/win/CKWToolBarRenderer.h"
#include "toolkit/win/KWMenuGlobals.h"

// Drop-down buttons and the controls placed over buttons.

namespace {
constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
}  // namespace

CKWToolButtonEntry* CKWToolBar::EntryOf(UINT nCommand) {
  for (CKWToolButtonEntry& entry : m_entries)
    if (static_cast<UINT>(entry.button.idCommand) == nCommand) return &entry;
  return nullptr;
}

CKWDropDownButton* CKWToolBar::FindDropDown(UINT nCommand) const {
  for (const CKWToolButtonEntry& entry : m_entries)
    if (entry.pDropDown != nullptr && entry.pDropDown->nCommand == nCommand)
      return entry.pDropDown.get();
  return nullptr;
}

BOOL CKWToolBar::AddDropDownButton(UINT nCommand, UINT nMenuId, BOOL bArrow) {
  // Records are only made for commands that have a button.
  CKWToolButtonEntry* pEntry = EntryOf(nCommand);
  if (pEntry == nullptr) return FALSE;
  if (pEntry->pDropDown == nullptr) {
    pEntry->pDropDown = std::make_unique<CKWDropDownButton>();
    pEntry->button.fsStyle |= TBSTYLE_DROPDOWN;
  }
  int nIndex = CommandToIndex(nCommand);
  if (nIndex >= 0) SetButtonStyle(nIndex, GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN);
  if (bArrow)
    SendMessage(TB_SETEXTENDEDSTYLE, 0,
                SendMessage(TB_GETEXTENDEDSTYLE) | TBSTYLE_EX_DRAWDDARROWS);
  pEntry->pDropDown->nCommand = nCommand;
  pEntry->pDropDown->nMenuId = nMenuId;
  return TRUE;
}

void CKWToolBar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* pNotify = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
  *pResult = TBDDRET_DEFAULT;
  int nIndex = CommandToIndex(static_cast<UINT>(pNotify->iItem));
  CRect rect;
  GetItemRect(nIndex, &rect);
  InvalidateRect(&rect, TRUE);
  ClientToScreen(&rect);
  TrackDropDown(pNotify, static_cast<UINT>(pNotify->iItem), rect);
}

void CKWToolBar::TrackDropDown(NMTOOLBARA* pNotify, UINT nCommand, const CRect& rectButton) {
  CKWDropDownButton* pRecord = FindDropDown(nCommand);
  CWnd* pOwner = GetOwner();
  m_nDropDownIndex = CommandToIndex(nCommand);
  CKWButtonPainter* pPainter = GetToolBarRenderer()->GetButtonPainter();
  if (pRecord != nullptr && pRecord->nMenuId != 0) {
    CKWPopupMenu menu;
    CMenu* pSub = menu.LoadMenu(pRecord->nMenuId) ? menu.GetSubMenu(0) : nullptr;
    if (pSub != nullptr && pOwner != nullptr) {
      g_rectKWDropButton = rectButton;
      DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
      // A menu drops below the button on every side the bar is docked to.
      if (dwAlign & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT))
        dwAlign = (dwAlign & ~(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) | CBRS_ALIGN_TOP;
      g_dwKWMenuOrigin = dwAlign;
      CKWPopupMenu::TrackMenu(pSub->GetSafeHmenu(), TPM_VERTICAL, rectButton.left,
                              rectButton.bottom, pOwner, TRUE, &rectButton);
    }
    if (pPainter != nullptr && m_nDropDownIndex >= 0) pPainter->InvalidateButton(this, m_nDropDownIndex);
    m_nDropDownIndex = -1;
  } else if (pRecord != nullptr) {
    if (pOwner != nullptr)
      pOwner->SendMessage(KWM_TOOLBAR_DROPDOWN, reinterpret_cast<WPARAM>(pNotify),
                          reinterpret_cast<LPARAM>(&rectButton));
    if (pPainter != nullptr && m_nDropDownIndex >= 0) pPainter->InvalidateButton(this, m_nDropDownIndex);
    m_nDropDownIndex = -1;
    if (::GetKeyState(VK_LBUTTON) < 0) {
      m_bCapture = 1;
      SetCapture();
    }
  }
  RedrawWindow(nullptr, nullptr, kRedrawAll);
}

BOOL CKWToolBar::AttachControl(CWnd* pControl, BOOL bBold) {
  CKWToolButtonEntry* pEntry = EntryOf(static_cast<UINT>(pControl->GetDlgCtrlID()));
  if (pEntry == nullptr) return TRUE;
  pEntry->pControl = pControl;
  pEntry->bBold = bBold;
  pControl->SetFont(bBold ? &m_fontBold : &m_fontNormal, TRUE);
  PositionControl(pControl);
  return TRUE;
}

void CKWToolBar::PositionControl(CWnd* pControl) {
  int nIndex = CommandToIndex(static_cast<UINT>(pControl->GetDlgCtrlID()));
  if (nIndex < 0) return;
  TBBUTTON button;
  GetButton(nIndex, &button);
  if (button.fsState & TBSTATE_HIDDEN) {
    pControl->ShowWindow(SW_HIDE);
    return;
  }
  pControl->ShowWindow(SW_SHOWNA);
  CRect rectControl;
  pControl->GetWindowRect(&rectControl);
  ScreenToClient(&rectControl);
  UINT nStyle = GetButtonStyle(nIndex);
  SetButtonInfo(nIndex, button.idCommand, (nStyle & 0xFFFF0000) | TBSTYLE_SEP, rectControl.Width());
  CRect rectItem;
  ::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rectItem));
  if (rectControl == rectItem) return;
  constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
  int y = rectItem.top;
  // A control of another height is centred on the row.
  if (rectControl.Height() != rectItem.Height())
    y = std::max<int>(0, (rectItem.top + rectItem.bottom - rectControl.Height()) / 2);
  pControl->SetWindowPos(nullptr, rectItem.left, y, 0, 0, kMoveOnly);
}

void CKWToolBar::ReattachControls() {
  for (int nPass = 0; nPass < 2; ++nPass)
    for (CKWToolButtonEntry& entry : m_entries)
      if (entry.pControl != nullptr) PositionControl(entry.pControl);
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame != nullptr) pFrame->RecalcLayout();
  if (!(GetStyle() & TBSTYLE_LIST)) {
    SendMessage(TB_AUTOSIZE);
    return;
  }
  for (int i = 0; i < GetButtonCount(); ++i) {
    TBBUTTON button;
    GetButton(i, &button);
    CKWToolButtonEntry* pEntry = EntryOf(static_cast<UINT>(button.idCommand));
    if (button.idCommand == 0 || (pEntry != nullptr && pEntry->pControl != nullptr)) continue;
    SetButtonStyle(i, GetButtonStyle(i) | TBSTYLE_AUTOSIZE);
  }
}
