#include "classlib/win/CTabCtrl.h"

#include "classlib/win/CImageList.h"
#include "classlib/win/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  return InsertItem(nItem, &item);
}

CImageList* CTabCtrl::GetImageList() const {
  return CImageList::FromHandle(
      reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, TCM_GETIMAGELIST, 0, 0)));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
  HIMAGELIST hList = pImageList != nullptr ? pImageList->m_hImageList : nullptr;
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(m_hWnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hList))));
}

CToolTipCtrl* CTabCtrl::GetToolTips() const {
  return static_cast<CToolTipCtrl*>(
      FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, TCM_GETTOOLTIPS, 0, 0))));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
  ::SendMessageA(m_hWnd, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(SafeHwnd(pWndTip)), 0);
}
