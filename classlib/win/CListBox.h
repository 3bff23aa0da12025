// A list box. An owner-drawn one (LBS_OWNERDRAWFIXED/VARIABLE) is drawn and
// measured by its object: the parent reflects WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM to DrawItem, MeasureItem, CompareItem and
// DeleteItem.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return AfxSendCtrl(m_hWnd, LB_GETCOUNT); }
  int GetCurSel() const { return AfxSendCtrl(m_hWnd, LB_GETCURSEL); }
  // -1 removes the selection.
  int SetCurSel(int nSelect) {
    return AfxSendCtrl(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect));
  }
  int GetSel(int nIndex) const {
    return AfxSendCtrl(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex));
  }
  int SetSel(int nIndex, BOOL bSelect = TRUE) {
    return AfxSendCtrl(m_hWnd, LB_SETSEL, bSelect, nIndex);
  }
  int GetSelCount() const { return AfxSendCtrl(m_hWnd, LB_GETSELCOUNT); }
  int GetTopIndex() const { return AfxSendCtrl(m_hWnd, LB_GETTOPINDEX); }
  int SetTopIndex(int nIndex) {
    return AfxSendCtrl(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex));
  }
  DWORD_PTR GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(AfxSendCtrl(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
  }
  void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return AfxSendCtrl(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                       static_cast<LPARAM>(dwItemData));
  }
  int SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
  }
  int GetItemRect(int nIndex, LPRECT lpRect) const {
    return AfxSendCtrl(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpRect));
  }
  int GetItemHeight(int nIndex) const {
    return AfxSendCtrl(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex));
  }
  int SetItemHeight(int nIndex, UINT cyItemHeight) {
    return AfxSendCtrl(m_hWnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                       MAKELPARAM(cyItemHeight, 0));
  }
  int GetText(int nIndex, LPSTR lpszBuffer) const {
    return AfxSendCtrl(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpszBuffer));
  }
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const {
    return AfxSendCtrl(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex));
  }
  void SetHorizontalExtent(int cxExtent) {
    AfxSendCtrl(m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent));
  }
  // The item at the point (client coordinates); bOutside is set when the
  // point is beyond the last item.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

  int AddString(LPCSTR lpszItem) {
    return AfxSendCtrl(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
  }
  int InsertString(int nIndex, LPCSTR lpszItem) {
    return AfxSendCtrl(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpszItem));
  }
  int DeleteString(UINT nIndex) { return AfxSendCtrl(m_hWnd, LB_DELETESTRING, nIndex); }
  void ResetContent() { AfxSendCtrl(m_hWnd, LB_RESETCONTENT); }
  // Searches after nStartAfter (-1: from the top): an item beginning with the
  // text, or equal to it (case ignored).
  int FindString(int nStartAfter, LPCSTR lpszItem) const {
    return AfxSendCtrl(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                       reinterpret_cast<LPARAM>(lpszItem));
  }
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return AfxSendCtrl(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                       reinterpret_cast<LPARAM>(lpszFind));
  }
  int SelectString(int nStartAfter, LPCSTR lpszItem) {
    return AfxSendCtrl(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                       reinterpret_cast<LPARAM>(lpszItem));
  }

  // ---- Owner drawing; an owner-drawn list box overrides DrawItem (and
  // MeasureItem when variable, CompareItem when sorted without strings).
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
