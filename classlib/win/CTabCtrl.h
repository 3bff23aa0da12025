// A tab control.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CImageList;
class CToolTipCtrl;

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const { return AfxSendCtrl(m_hWnd, TCM_GETITEMCOUNT); }
  BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const {
    return AfxSendCtrl(m_hWnd, TCM_GETITEMA, static_cast<WPARAM>(nItem),
                       reinterpret_cast<LPARAM>(pTabCtrlItem));
  }
  BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem) {
    return AfxSendCtrl(m_hWnd, TCM_SETITEMA, static_cast<WPARAM>(nItem),
                       reinterpret_cast<LPARAM>(pTabCtrlItem));
  }
  // Each gives the new tab's index, or -1.
  int InsertItem(int nItem, TCITEMA* pTabCtrlItem) {
    return AfxSendCtrl(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(nItem),
                       reinterpret_cast<LPARAM>(pTabCtrlItem));
  }
  int InsertItem(int nItem, LPCSTR lpszItem, int nImage = -1);
  BOOL DeleteItem(int nItem) {
    return AfxSendCtrl(m_hWnd, TCM_DELETEITEM, static_cast<WPARAM>(nItem));
  }
  BOOL DeleteAllItems() { return AfxSendCtrl(m_hWnd, TCM_DELETEALLITEMS); }
  BOOL GetItemRect(int nItem, LPRECT lpRect) const {
    return AfxSendCtrl(m_hWnd, TCM_GETITEMRECT, static_cast<WPARAM>(nItem),
                       reinterpret_cast<LPARAM>(lpRect));
  }
  int GetCurSel() const { return AfxSendCtrl(m_hWnd, TCM_GETCURSEL); }
  int SetCurSel(int nItem) {
    return AfxSendCtrl(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nItem));
  }
  int GetCurFocus() const { return AfxSendCtrl(m_hWnd, TCM_GETCURFOCUS); }
  void SetCurFocus(int nItem) { AfxSendCtrl(m_hWnd, TCM_SETCURFOCUS, static_cast<WPARAM>(nItem)); }
  int GetRowCount() const { return AfxSendCtrl(m_hWnd, TCM_GETROWCOUNT); }
  // The tab under the point (client coordinates), or -1.
  int HitTest(TCHITTESTINFO* pHitTestInfo) const {
    return AfxSendCtrl(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo));
  }
  // bLarger: the window rectangle for a display area of *lpRect; else the display area of a window
  // of *lpRect.
  void AdjustRect(BOOL bLarger, LPRECT lpRect) {
    AfxSendCtrl(m_hWnd, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
  }
  CSize SetItemSize(CSize size) {
    return CSize(
        static_cast<DWORD>(AfxSendCtrl(m_hWnd, TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy))));
  }
  void SetPadding(CSize size) {
    AfxSendCtrl(m_hWnd, TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy));
  }
  CImageList* GetImageList() const;
  CImageList* SetImageList(CImageList* pImageList);
  CToolTipCtrl* GetToolTips() const;
  void SetToolTips(CToolTipCtrl* pWndTip);
};
