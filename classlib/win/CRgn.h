// A GDI region.
#pragma once

#include "classlib/win/CGdiObject.h"

class CRgn : public CGdiObject {
  DECLARE_DYNAMIC(CRgn)
 public:
  static CRgn* FromHandle(HRGN hRgn) { return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn)); }
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }

  BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
  BOOL CreateRectRgnIndirect(LPCRECT lpRect);
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
  BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
  BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
  BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
  BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount,
                            int nPolyFillMode);

  void SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(*this, x1, y1, x2, y2); }
  void SetRectRgn(LPCRECT lpRect) {
    ::SetRectRgn(*this, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  // Both regions must exist; this one receives the result (a region type, or
  // ERROR).
  int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(*this, *pRgn1, *pRgn2, nCombineMode);
  }
  int CopyRgn(CRgn* pRgnSrc) { return ::CombineRgn(*this, *pRgnSrc, nullptr, RGN_COPY); }
  BOOL EqualRgn(CRgn* pRgn) const { return ::EqualRgn(*this, *pRgn); }
  int OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }
  int OffsetRgn(POINT point) { return ::OffsetRgn(*this, point.x, point.y); }
  int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(*this, lpRect); }
  BOOL PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
  BOOL PtInRegion(POINT point) const { return ::PtInRegion(*this, point.x, point.y); }
  BOOL RectInRegion(LPCRECT lpRect) const { return ::RectInRegion(*this, lpRect); }
};
