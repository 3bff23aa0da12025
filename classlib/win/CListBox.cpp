#include "classlib/win/CListBox.h"

#include "classlib/win/OwnerDrawNotify.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const {
  int nLength = GetTextLen(nIndex);
  if (nLength < 0) {
    rString.Empty();
    return;
  }
  GetText(nIndex, rString.GetBufferSetLength(nLength));
  rString.ReleaseBuffer();
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  DWORD dw =
      static_cast<DWORD>(::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
  bOutside = HIWORD(dw) != 0;
  return LOWORD(dw);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return AfxReflectOwnerDraw(this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
