#include "editor/win/CNavEdit.h"

#include "classlib/win/MessageMap.h"
#include "editor/core/NavEditRules.h"
#include "resources/MainFrameIds.h"

BEGIN_MESSAGE_MAP(CNavEdit, CEdit)
  ON_WM_GETDLGCODE()
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CNavEdit::SubclassDlgItem(UINT nID, CWnd* pParent, UINT nCommand, BYTE nMask) {
  m_nCommand = nCommand;
  m_nControlId = nID;
  m_nMask = nMask;
  return CEdit::SubclassDlgItem(nID, pParent);
}

HWND CNavEdit::Target() const {
  HWND hParent = ::GetParent(m_hWnd);
  return IsComboEdit() && hParent != nullptr ? ::GetParent(hParent) : hParent;
}

void CNavEdit::FocusNeighbour(BOOL previous) {
  HWND hTarget = Target();
  if (hTarget == nullptr) return;
  HWND hFrom = IsComboEdit() ? ::GetParent(m_hWnd) : m_hWnd;
  if (HWND hNext = ::GetNextDlgTabItem(hTarget, hFrom, previous)) ::SetFocus(hNext);
}

UINT CNavEdit::OnGetDlgCode() { return CEdit::OnGetDlgCode() | DLGC_WANTALLKEYS; }

void CNavEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (NavEditAcceptsChar(nChar, m_nMask)) CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CNavEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  HWND hTarget = Target();
  switch (nChar) {
    case VK_TAB:
      FocusNeighbour(::GetKeyState(VK_SHIFT) < 0);
      return;
    case VK_RETURN:
      if (hTarget != nullptr) ::SendMessageA(hTarget, WM_COMMAND, m_nCommand, 0);
      return;
    case VK_ESCAPE:
      if (hTarget == nullptr) return;
      if (IsComboEdit())
        ::PostMessageA(hTarget, WM_COMMAND, ID_FOCUS_DOCUMENT, 0);
      else
        ::SendMessageA(hTarget, WM_COMMAND, IDCANCEL, 0);
      return;
    case VK_UP:
    case VK_DOWN:
      if (!IsComboEdit()) {
        FocusNeighbour(nChar == VK_UP);
        return;
      }
      break;
    default:
      break;
  }
  CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}
