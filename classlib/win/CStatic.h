// A static control: text, a frame, or a picture (bitmap, icon).
#pragma once

#include "classlib/win/CWnd.h"

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  virtual BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID = 0xFFFF);

  // The control must have SS_BITMAP; it shows the bitmap without owning it.
  HBITMAP SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
  }
  HBITMAP GetBitmap() const {
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
  }
  HICON SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(
        ::SendMessageA(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
  }
  HICON GetIcon() const {
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_GETICON, 0, 0));
  }
};
