#include "classlib/win/CListCtrl.h"

#include "classlib/win/CEdit.h"
#include "classlib/win/CHeaderCtrl.h"
#include "classlib/win/CImageList.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = const_cast<LPSTR>(lpszColumnHeading);
  column.fmt = nFormat;
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &column);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  return static_cast<CHeaderCtrl*>(
      FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0))));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = nItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = nItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
  LVITEMA item = {};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszText);
  return AfxSendCtrl(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem),
                     reinterpret_cast<LPARAM>(&item));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const {
  LVITEMA item = {};
  item.iSubItem = nSubItem;
  item.pszText = lpszText;
  item.cchTextMax = nLen;
  return AfxSendCtrl(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem),
                     reinterpret_cast<LPARAM>(&item));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  // The control does not tell the length: grow the buffer until the text fits.
  CString text;
  for (int nLen = 256;; nLen *= 2) {
    int nCopied = GetItemText(nItem, nSubItem, text.GetBufferSetLength(nLen), nLen);
    if (nCopied < nLen - 1) {
      text.ReleaseBuffer(nCopied);
      return text;
    }
  }
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  GetItem(&item);
  return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  item.lParam = static_cast<LPARAM>(dwData);
  return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEMA item = {};
  item.state = nState;
  item.stateMask = nMask;
  return AfxSendCtrl(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                     reinterpret_cast<LPARAM>(&item));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  lpRect->left = static_cast<LONG>(nCode);
  return AfxSendCtrl(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(nItem),
                     reinterpret_cast<LPARAM>(lpRect));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  LVHITTESTINFO info = {};
  info.pt = pt;
  int nItem = HitTest(&info);
  if (pFlags != nullptr) *pFlags = info.flags;
  return nItem;
}

CEdit* CListCtrl::EditLabel(int nItem) {
  return static_cast<CEdit*>(FromHandle(reinterpret_cast<HWND>(
      ::SendMessageA(m_hWnd, LVM_EDITLABELA, static_cast<WPARAM>(nItem), 0))));
}

CEdit* CListCtrl::GetEditControl() const {
  return static_cast<CEdit*>(
      FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETEDITCONTROL, 0, 0))));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageList) {
  HIMAGELIST hList = pImageList != nullptr ? pImageList->m_hImageList : nullptr;
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessageA(
      m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(nImageList), reinterpret_cast<LPARAM>(hList))));
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(m_hWnd, LVM_GETIMAGELIST, static_cast<WPARAM>(nImageList), 0)));
}
