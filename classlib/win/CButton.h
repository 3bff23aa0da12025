// Push buttons, check boxes, radio buttons and group boxes. An owner-drawn
// button (BS_OWNERDRAW) is drawn by its object's DrawItem, which its parent
// reflects to it.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID);

  UINT GetState() const { return static_cast<UINT>(::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0)); }
  void SetState(BOOL bHighlight) { ::SendMessageA(m_hWnd, BM_SETSTATE, bHighlight, 0); }
  int GetCheck() const { return AfxSendCtrl(m_hWnd, BM_GETCHECK, 0, 0); }
  void SetCheck(int nCheck) { ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }
  UINT GetButtonStyle() const { return static_cast<UINT>(GetStyle() & 0xFFFF); }
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
    ::SendMessageA(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
  }
  HBITMAP SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
  }
  HBITMAP GetBitmap() const {
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
  }
  HICON SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
  }

  // Draws an owner-drawn button; a derived class that makes one must override it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
