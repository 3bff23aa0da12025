#include "hebtext/win/DrawItemFocusFrame.h"

void DrawItemFocusFrame(const DRAWITEMSTRUCT* pDIS) {
  HPEN hPen;
  if (pDIS->itemState & ODS_FOCUS) {
    hPen = ::CreatePen(PS_DOT, 1, RGB(192, 192, 192));
  } else {
    const BOOL selected = pDIS->itemID != static_cast<UINT>(-1) && (pDIS->itemState & ODS_SELECTED);
    hPen = ::CreatePen(PS_SOLID, 1, selected ? RGB(0, 0, 160) : RGB(255, 255, 255));
  }
  HDC hDC = pDIS->hDC;
  HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
  HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
  const RECT& r = pDIS->rcItem;
  ::RoundRect(hDC, r.left, r.top, r.right, r.bottom, 7, 7);
  ::SelectObject(hDC, hOldBrush);
  ::SelectObject(hDC, hOldPen);
  ::DeleteObject(hPen);
}
