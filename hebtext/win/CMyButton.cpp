#include "hebtext/win/CMyButton.h"

#include <initializer_list>

#include "hebtext/win/DrawHelpers.h"

void CMyButton::RecolorBitmaps(int x, int y, int mode) {
  const POINT point = {x == -1 ? 3 : x, y == -1 ? 3 : y};
  for (CBitmap* pBitmap : {&m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled}) {
    if (pBitmap->GetSafeHandle() != nullptr)
      RecolorBitmap(this, static_cast<HBITMAP>(pBitmap->GetSafeHandle()), mode, point);
  }
}
