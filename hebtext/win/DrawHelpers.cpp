#include "hebtext/win/DrawHelpers.h"

#include "classlib/win/CDC.h"
#include "classlib/win/CWnd.h"

namespace {

// Selects a GDI object into the DC for the scope.
class SelectScope {
 public:
  SelectScope(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
  ~SelectScope() { ::SelectObject(m_hDC, m_hOld); }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

void DrawLine(HDC hDC, COLORREF color, const POINT* points, int count) {
  HPEN hPen = ::CreatePen(PS_SOLID, 1, color);
  {
    SelectScope pen(hDC, hPen);
    ::Polyline(hDC, points, count);
  }
  ::DeleteObject(hPen);
}

}  // namespace

void DrawFrame3D(CDC* pDC, const RECT& rect, BOOL focus, BOOL sunken, BOOL fill) {
  HDC hDC = pDC->GetSafeHdc();
  if (fill) {
    SelectScope pen(hDC, ::GetStockObject(BLACK_PEN));
    SelectScope brush(hDC, ::GetSysColorBrush(COLOR_BTNFACE));
    ::Rectangle(hDC, rect.left, rect.top, rect.right, rect.bottom);
  }
  // Polyline leaves out its last point: each line ends one pixel further.
  const POINT lightEdge[] = {{rect.left + 1, rect.bottom - 2},
                             {rect.left + 1, rect.top + 1},
                             {rect.right - 1, rect.top + 1}};
  DrawLine(hDC, sunken ? RGB(0, 0, 0) : RGB(255, 255, 255), lightEdge, 3);
  if (!sunken) {
    const POINT shadowEdge[] = {{rect.left + 2, rect.bottom - 2},
                                {rect.right - 2, rect.bottom - 2},
                                {rect.right - 2, rect.top + 1}};
    DrawLine(hDC, RGB(128, 128, 128), shadowEdge, 3);
  }
  if (focus) {
    HPEN hPen = ::CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    {
      SelectScope pen(hDC, hPen);
      SelectScope brush(hDC, ::GetStockObject(NULL_BRUSH));
      ::RoundRect(hDC, rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2, 7, 7);
    }
    ::DeleteObject(hPen);
  }
}

BOOL RecolorBitmap(CWnd* pWnd, HBITMAP hBitmap, int mode, POINT point) {
  BITMAP info;
  if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof info, &info) == 0) return FALSE;
  HDC hWndDC = ::GetDC(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr);
  HDC hDC = ::CreateCompatibleDC(hWndDC);
  ::ReleaseDC(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr, hWndDC);
  if (hDC == nullptr) return FALSE;
  {
    SelectScope bitmap(hDC, hBitmap);
    COLORREF from = ::GetPixel(hDC, point.x, point.y);
    COLORREF to = ::GetSysColor(COLOR_BTNFACE);
    if (mode == kRecolorEveryPixel) {
      for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
          if (::GetPixel(hDC, x, y) == from) ::SetPixel(hDC, x, y, to);
    } else if (mode == kRecolorFloodFill) {
      SelectScope brush(hDC, ::GetSysColorBrush(COLOR_BTNFACE));
      ::ExtFloodFill(hDC, point.x, point.y, from, FLOODFILLSURFACE);
    }
  }
  ::DeleteDC(hDC);
  return TRUE;
}
