// A combo box. An owner-drawn one (CBS_OWNERDRAWFIXED/VARIABLE) is drawn and
// measured by its object, as an owner-drawn CListBox is.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return Send(CB_GETCOUNT); }
  int GetCurSel() const { return Send(CB_GETCURSEL); }
  // -1 removes the selection (and empties the edit).
  int SetCurSel(int nSelect) { return Send(CB_SETCURSEL, static_cast<WPARAM>(nSelect)); }
  DWORD GetEditSel() const { return static_cast<DWORD>(Send(CB_GETEDITSEL)); }
  BOOL LimitText(int nMaxChars) { return Send(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars)); }
  BOOL SetEditSel(int nStartChar, int nEndChar) { return Send(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)); }
  DWORD_PTR GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0)); }
  void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return Send(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
  }
  int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
  int GetLBText(int nIndex, LPSTR lpszText) const {
    return Send(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText));
  }
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const { return Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)); }
  // nIndex -1 is the selection field.
  int SetItemHeight(int nIndex, UINT cyItemHeight) { return Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(cyItemHeight)); }
  int GetItemHeight(int nIndex) const { return Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex)); }
  // Whether the list opens with the down arrow (instead of F4).
  int SetExtendedUI(BOOL bExtended = TRUE) { return Send(CB_SETEXTENDEDUI, bExtended); }
  BOOL GetExtendedUI() const { return Send(CB_GETEXTENDEDUI); }
  void GetDroppedControlRect(LPRECT lprect) const { Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect)); }
  BOOL GetDroppedState() const { return Send(CB_GETDROPPEDSTATE); }
  int GetDroppedWidth() const { return Send(CB_GETDROPPEDWIDTH); }
  int SetDroppedWidth(UINT nWidth) { return Send(CB_SETDROPPEDWIDTH, nWidth); }
  void ShowDropDown(BOOL bShowIt = TRUE) { Send(CB_SHOWDROPDOWN, bShowIt); }
  int GetTopIndex() const { return Send(CB_GETTOPINDEX); }
  int SetTopIndex(int nIndex) { return Send(CB_SETTOPINDEX, static_cast<WPARAM>(nIndex)); }

  int AddString(LPCSTR lpszString) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)); }
  int InsertString(int nIndex, LPCSTR lpszString) {
    return Send(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszString));
  }
  int DeleteString(UINT nIndex) { return Send(CB_DELETESTRING, nIndex); }
  void ResetContent() { Send(CB_RESETCONTENT); }
  // Searches after nStartAfter (-1: from the top): an item beginning with the
  // text, or equal to it (case ignored).
  int FindString(int nStartAfter, LPCSTR lpszString) const {
    return Send(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString));
  }
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind));
  }
  int SelectString(int nStartAfter, LPCSTR lpszString) {
    return Send(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString));
  }
  void Clear() { Send(WM_CLEAR); }
  void Copy() { Send(WM_COPY); }
  void Cut() { Send(WM_CUT); }
  void Paste() { Send(WM_PASTE); }

  // ---- Owner drawing, as for CListBox.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return static_cast<int>(::SendMessageA(m_hWnd, message, wParam, lParam));
  }
};
