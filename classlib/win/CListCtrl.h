// A list view control: items with subitems in columns, states, item data and
// image lists.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CEdit;
class CHeaderCtrl;
class CImageList;

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- Columns. InsertColumn gives the new column's index, or -1.
  int InsertColumn(int nCol, const LVCOLUMNA* pColumn) {
    return AfxSendCtrl(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol),
                       reinterpret_cast<LPARAM>(pColumn));
  }
  // nWidth -1 and nSubItem -1 leave them out.
  int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  BOOL DeleteColumn(int nCol) {
    return AfxSendCtrl(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol));
  }
  BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const {
    return AfxSendCtrl(m_hWnd, LVM_GETCOLUMNA, static_cast<WPARAM>(nCol),
                       reinterpret_cast<LPARAM>(pColumn));
  }
  BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn) {
    return AfxSendCtrl(m_hWnd, LVM_SETCOLUMNA, static_cast<WPARAM>(nCol),
                       reinterpret_cast<LPARAM>(pColumn));
  }
  int GetColumnWidth(int nCol) const {
    return AfxSendCtrl(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol));
  }
  BOOL SetColumnWidth(int nCol, int cx) {
    return AfxSendCtrl(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0));
  }
  CHeaderCtrl* GetHeaderCtrl() const;

  // ---- Items. InsertItem gives the new item's index, or -1.
  int GetItemCount() const { return AfxSendCtrl(m_hWnd, LVM_GETITEMCOUNT); }
  int InsertItem(const LVITEMA* pItem) {
    return AfxSendCtrl(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem));
  }
  int InsertItem(int nItem, LPCSTR lpszItem);
  int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
  BOOL DeleteItem(int nItem) {
    return AfxSendCtrl(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(nItem));
  }
  BOOL DeleteAllItems() { return AfxSendCtrl(m_hWnd, LVM_DELETEALLITEMS); }
  BOOL GetItem(LVITEMA* pItem) const {
    return AfxSendCtrl(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem));
  }
  BOOL SetItem(const LVITEMA* pItem) {
    return AfxSendCtrl(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem));
  }
  BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  UINT GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(
        ::SendMessageA(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
  }
  // nItem -1 sets the state of every item.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  // The next item after nItem (-1: the first) with the LVNI_* relation or state, or -1.
  int GetNextItem(int nItem, int nFlags) const {
    return AfxSendCtrl(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0));
  }
  UINT GetSelectedCount() const {
    return static_cast<UINT>(AfxSendCtrl(m_hWnd, LVM_GETSELECTEDCOUNT));
  }
  BOOL EnsureVisible(int nItem, BOOL bPartialOK) {
    return AfxSendCtrl(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK);
  }
  // nCode LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  int HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return AfxSendCtrl(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo));
  }
  // The item at the point (client coordinates), or -1; *pFlags gets LVHT_*.
  int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  // pfnCompare(lParam1, lParam2, dwData) gets two items' data.
  BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return AfxSendCtrl(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(dwData),
                       reinterpret_cast<LPARAM>(pfnCompare));
  }
  // Scrolls by size (pixels; in report view cy counts whole lines of its height).
  BOOL Scroll(CSize size) {
    return AfxSendCtrl(m_hWnd, LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy);
  }
  int GetTopIndex() const { return AfxSendCtrl(m_hWnd, LVM_GETTOPINDEX); }
  int GetCountPerPage() const { return AfxSendCtrl(m_hWnd, LVM_GETCOUNTPERPAGE); }
  BOOL RedrawItems(int nFirst, int nLast) {
    return AfxSendCtrl(m_hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast);
  }
  BOOL Update(int nItem) { return AfxSendCtrl(m_hWnd, LVM_UPDATE, static_cast<WPARAM>(nItem)); }
  int GetStringWidth(LPCSTR lpsz) const {
    return AfxSendCtrl(m_hWnd, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(lpsz));
  }
  CEdit* EditLabel(int nItem);
  CEdit* GetEditControl() const;

  // ---- Look.
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(AfxSendCtrl(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE));
  }
  DWORD SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(
        AfxSendCtrl(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
  }
  COLORREF GetBkColor() const { return static_cast<COLORREF>(AfxSendCtrl(m_hWnd, LVM_GETBKCOLOR)); }
  BOOL SetBkColor(COLORREF cr) {
    return AfxSendCtrl(m_hWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr));
  }
  BOOL SetTextColor(COLORREF cr) {
    return AfxSendCtrl(m_hWnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr));
  }
  BOOL SetTextBkColor(COLORREF cr) {
    return AfxSendCtrl(m_hWnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr));
  }
  // nImageList LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE; gives the previous list.
  CImageList* SetImageList(CImageList* pImageList, int nImageList);
  CImageList* GetImageList(int nImageList) const;
};
