// Device contexts of a window, released when the object goes: CPaintDC
// brackets WM_PAINT handling (BeginPaint/EndPaint), CClientDC draws on the
// client area and CWindowDC on the whole window, frame included. A null
// window gives the screen (CClientDC, CWindowDC). They throw
// CResourceException when Windows gives no DC.
#pragma once

#include "classlib/win/CDC.h"

class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps = {};

 protected:
  HWND m_hWnd;
};

class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};

class CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)
 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd;
};
