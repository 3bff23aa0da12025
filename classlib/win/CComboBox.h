// A combo box. An owner-drawn one (CBS_OWNERDRAWFIXED/VARIABLE) is drawn and
// measured by its object, as an owner-drawn CListBox is.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return AfxSendCtrl(m_hWnd, CB_GETCOUNT); }
  int GetCurSel() const { return AfxSendCtrl(m_hWnd, CB_GETCURSEL); }
  // -1 removes the selection (and empties the edit).
  int SetCurSel(int nSelect) {
    return AfxSendCtrl(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect));
  }
  DWORD GetEditSel() const { return static_cast<DWORD>(AfxSendCtrl(m_hWnd, CB_GETEDITSEL)); }
  BOOL LimitText(int nMaxChars) {
    return AfxSendCtrl(m_hWnd, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars));
  }
  BOOL SetEditSel(int nStartChar, int nEndChar) {
    return AfxSendCtrl(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
  }
  DWORD_PTR GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(
        ::SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
  }
  void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return AfxSendCtrl(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                       static_cast<LPARAM>(dwItemData));
  }
  int SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
  }
  int GetLBText(int nIndex, LPSTR lpszText) const {
    return AfxSendCtrl(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpszText));
  }
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const {
    return AfxSendCtrl(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
  }
  // nIndex -1 is the selection field.
  int SetItemHeight(int nIndex, UINT cyItemHeight) {
    return AfxSendCtrl(m_hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                       static_cast<LPARAM>(cyItemHeight));
  }
  int GetItemHeight(int nIndex) const {
    return AfxSendCtrl(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex));
  }
  // Whether the list opens with the down arrow (instead of F4).
  int SetExtendedUI(BOOL bExtended = TRUE) {
    return AfxSendCtrl(m_hWnd, CB_SETEXTENDEDUI, bExtended);
  }
  BOOL GetExtendedUI() const { return AfxSendCtrl(m_hWnd, CB_GETEXTENDEDUI); }
  void GetDroppedControlRect(LPRECT lprect) const {
    AfxSendCtrl(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
  }
  BOOL GetDroppedState() const { return AfxSendCtrl(m_hWnd, CB_GETDROPPEDSTATE); }
  int GetDroppedWidth() const { return AfxSendCtrl(m_hWnd, CB_GETDROPPEDWIDTH); }
  int SetDroppedWidth(UINT nWidth) { return AfxSendCtrl(m_hWnd, CB_SETDROPPEDWIDTH, nWidth); }
  void ShowDropDown(BOOL bShowIt = TRUE) { AfxSendCtrl(m_hWnd, CB_SHOWDROPDOWN, bShowIt); }
  int GetTopIndex() const { return AfxSendCtrl(m_hWnd, CB_GETTOPINDEX); }
  int SetTopIndex(int nIndex) {
    return AfxSendCtrl(m_hWnd, CB_SETTOPINDEX, static_cast<WPARAM>(nIndex));
  }

  int AddString(LPCSTR lpszString) {
    return AfxSendCtrl(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString));
  }
  int InsertString(int nIndex, LPCSTR lpszString) {
    return AfxSendCtrl(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpszString));
  }
  int DeleteString(UINT nIndex) { return AfxSendCtrl(m_hWnd, CB_DELETESTRING, nIndex); }
  void ResetContent() { AfxSendCtrl(m_hWnd, CB_RESETCONTENT); }
  // Searches after nStartAfter (-1: from the top): an item beginning with the
  // text, or equal to it (case ignored).
  int FindString(int nStartAfter, LPCSTR lpszString) const {
    return AfxSendCtrl(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                       reinterpret_cast<LPARAM>(lpszString));
  }
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return AfxSendCtrl(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                       reinterpret_cast<LPARAM>(lpszFind));
  }
  int SelectString(int nStartAfter, LPCSTR lpszString) {
    return AfxSendCtrl(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                       reinterpret_cast<LPARAM>(lpszString));
  }
  void Clear() { AfxSendCtrl(m_hWnd, WM_CLEAR); }
  void Copy() { AfxSendCtrl(m_hWnd, WM_COPY); }
  void Cut() { AfxSendCtrl(m_hWnd, WM_CUT); }
  void Paste() { AfxSendCtrl(m_hWnd, WM_PASTE); }

  // ---- Owner drawing, as for CListBox.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
