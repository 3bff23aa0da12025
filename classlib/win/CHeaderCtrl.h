// A header control (the column titles of a list view, or on its own). An
// owner-drawn item (HDF_OWNERDRAW) is drawn by the object's DrawItem, which
// the parent reflects to it.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CHeaderCtrl : public CWnd {
  DECLARE_DYNAMIC(CHeaderCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const { return AfxSendCtrl(m_hWnd, HDM_GETITEMCOUNT); }
  int InsertItem(int nPos, HDITEMA* phdi) {
    return AfxSendCtrl(m_hWnd, HDM_INSERTITEMA, static_cast<WPARAM>(nPos),
                       reinterpret_cast<LPARAM>(phdi));
  }
  BOOL DeleteItem(int nPos) {
    return AfxSendCtrl(m_hWnd, HDM_DELETEITEM, static_cast<WPARAM>(nPos));
  }
  BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const {
    return AfxSendCtrl(m_hWnd, HDM_GETITEMA, static_cast<WPARAM>(nPos),
                       reinterpret_cast<LPARAM>(pHeaderItem));
  }
  BOOL SetItem(int nPos, HDITEMA* pHeaderItem) {
    return AfxSendCtrl(m_hWnd, HDM_SETITEMA, static_cast<WPARAM>(nPos),
                       reinterpret_cast<LPARAM>(pHeaderItem));
  }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
    return AfxSendCtrl(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpRect));
  }
  BOOL Layout(HDLAYOUT* pHeaderLayout) {
    return AfxSendCtrl(m_hWnd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout));
  }
  // The item at the point (client coordinates), or -1; flags in the record.
  int HitTest(HDHITTESTINFO* pHeaderHitTestInfo) const {
    return AfxSendCtrl(m_hWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo));
  }

  // Draws an owner-drawn item; a derived class that has them overrides it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
