#include "hebtext/win/CLabelEdit.h"

#include <commctrl.h>

#include "classlib/win/CFont.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"

BEGIN_MESSAGE_MAP(CLabelEdit, CEdit)
  ON_WM_CREATE()
  ON_WM_CHAR()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CLabelEdit::CLabelEdit(int item, int subItem, LPCSTR initialText)
    : m_item(item), m_subItem(subItem), m_initialText(initialText) {}

int CLabelEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
  if (CWnd* pParent = GetParent()) SetFont(pParent->GetFont(), TRUE);
  SetWindowText(m_initialText);
  SetFocus();
  SendMessage(EM_SETSEL, 0, -1);
  return 0;
}

BOOL CLabelEdit::PreTranslateMessage(MSG* pMsg) {
  // The dialog around the list must not take these keys (nor any key with
  // Ctrl held down; its toggle state alone does not count).
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_DELETE ||
                                      pMsg->wParam == VK_ESCAPE || ::GetKeyState(VK_CONTROL) < 0)) {
    ::TranslateMessage(pMsg);
    ::DispatchMessageA(pMsg);
    return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

void CLabelEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
    if (nChar == VK_RETURN) m_cancelled = FALSE;
    if (CWnd* pParent = GetParent()) pParent->SetFocus();
    return;
  }
  CEdit::OnChar(nChar, nRepCnt, nFlags);
  FitToText();
}

void CLabelEdit::FitToText() {
  CString text;
  GetWindowText(text);
  CClientDC dc(this);
  HGDIOBJ hOldFont =
      ::SelectObject(dc.GetSafeHdc(), GetFont() != nullptr ? GetFont()->GetSafeHandle()
                                                           : ::GetStockObject(SYSTEM_FONT));
  const int width = dc.GetTextExtent(text).cx + 5;
  ::SelectObject(dc.GetSafeHdc(), hOldFont);
  CRect rect;
  GetWindowRect(&rect);
  CWnd* pParent = GetParent();
  pParent->ScreenToClient(&rect);
  if (width <= rect.Width()) return;
  CRect parentClient;
  pParent->GetClientRect(&parentClient);
  const int right = rect.left + width < parentClient.right ? rect.left + width : parentClient.right;
  SetWindowPos(nullptr, 0, 0, right - rect.left, rect.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLabelEdit::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  CString text;
  GetWindowText(text);
  CWnd* pList = GetParent();
  NMLVDISPINFOA info = {};
  info.hdr.hwndFrom = pList->GetSafeHwnd();
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  info.hdr.code = LVN_ENDLABELEDITA;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = m_item;
  info.item.iSubItem = m_subItem;
  info.item.pszText = m_cancelled ? nullptr : text.GetBuffer(text.GetLength());
  info.item.cchTextMax = m_cancelled ? 0 : text.GetLength();
  if (CWnd* pOwner = pList->GetParent())
    pOwner->SendMessage(WM_NOTIFY, static_cast<WPARAM>(pList->GetDlgCtrlID()),
                        reinterpret_cast<LPARAM>(&info));
  DestroyWindow();
}

void CLabelEdit::PostNcDestroy() { delete this; }
