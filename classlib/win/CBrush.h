// A GDI brush: solid, hatched or patterned.
#pragma once

#include "classlib/win/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)
 public:
  CBrush() = default;
  // These throw CResourceException when the brush cannot be made.
  explicit CBrush(COLORREF crColor);
  CBrush(int nIndex, COLORREF crColor);
  explicit CBrush(CBitmap* pBitmap);

  static CBrush* FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
  }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
  BOOL CreatePatternBrush(CBitmap* pBitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
  BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage);
  // A brush of one of the system colours (COLOR_*).
  BOOL CreateSysColorBrush(int nIndex);

  int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};
