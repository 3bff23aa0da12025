// An owner-drawn push button that shows one of up to four bitmaps: up
// (normal), down (pressed), focused and disabled. Only the up bitmap is
// needed; a missing one falls back to the up bitmap.
#pragma once

#include "classlib/win/CBitmap.h"
#include "classlib/win/CButton.h"

class CBitmapButton : public CButton {
  DECLARE_DYNAMIC(CBitmapButton)
 public:
  // Bitmap resources by name or id; FALSE when the up bitmap is missing.
  BOOL LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel = nullptr,
                   LPCSTR lpszBitmapResourceFocus = nullptr,
                   LPCSTR lpszBitmapResourceDisabled = nullptr);
  BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                   UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);
  // Binds the dialog's button nID and loads the bitmaps named after its
  // caption with U, D, F and X added ("OK" gives "OKU", "OKD", "OKF", "OKX");
  // the button takes the up bitmap's size.
  BOOL AutoLoad(UINT nID, CWnd* pParent);
  // Sizes the button to the up bitmap.
  void SizeToContent();

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  CBitmap m_bitmap;     // up
  CBitmap m_bitmapSel;  // down
  CBitmap m_bitmapFocus;
  CBitmap m_bitmapDisabled;
};
