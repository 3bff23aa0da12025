#include "classlib/win/CCmdUI.h"

#include "classlib/win/CCmdTarget.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWnd.h"

void CCmdUI::Enable(BOOL bOn) {
  if (m_pMenu != nullptr) {
    // A popup's item follows its first command, but is never greyed through it.
    if (m_pSubMenu != nullptr) return;
    ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
  } else if (m_pOther != nullptr) {
    // A control that loses its enabling must not keep the focus.
    if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
      HWND hParent = ::GetParent(m_pOther->m_hWnd);
      if (hParent != nullptr) ::SendMessageA(hParent, WM_NEXTDLGCTL, 0, FALSE);
    }
    ::EnableWindow(m_pOther->m_hWnd, bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    if (m_pSubMenu != nullptr) return;
    ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex,
                    MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther != nullptr) {
    if (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
      ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
  }
}

void CCmdUI::SetRadio(BOOL bOn) {
  if (m_pMenu != nullptr && m_pSubMenu == nullptr && bOn) {
    ::CheckMenuRadioItem(m_pMenu->m_hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
    return;
  }
  SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText) {
  if (m_pMenu != nullptr) {
    if (m_pSubMenu != nullptr) return;
    // The item keeps its enabling and check mark.
    UINT state = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION) &
                 (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    ::ModifyMenuA(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
  } else if (m_pOther != nullptr) {
    char current[256];
    ::GetWindowTextA(m_pOther->m_hWnd, current, sizeof current);
    if (lstrcmpA(current, lpszText) != 0) ::SetWindowTextA(m_pOther->m_hWnd, lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  // Separators and unset ids have nothing to update.
  if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;
  m_bEnableChanged = FALSE;
  BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return bResult;
}
