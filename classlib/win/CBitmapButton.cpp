#include "classlib/win/CBitmapButton.h"

#include "classlib/win/CDC.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace {
// Replaces the bitmap with the named one; a null name leaves it empty.
void Reload(CBitmap& bitmap, LPCSTR lpszName) {
  bitmap.DeleteObject();
  if (lpszName != nullptr) bitmap.LoadBitmap(lpszName);
}

LPCSTR IdName(UINT nID) { return nID == 0 ? nullptr : MAKEINTRESOURCEA(nID); }
}  // namespace

BOOL CBitmapButton::LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel,
                                LPCSTR lpszBitmapResourceFocus, LPCSTR lpszBitmapResourceDisabled) {
  Reload(m_bitmap, lpszBitmapResource);
  Reload(m_bitmapSel, lpszBitmapResourceSel);
  Reload(m_bitmapFocus, lpszBitmapResourceFocus);
  Reload(m_bitmapDisabled, lpszBitmapResourceDisabled);
  return m_bitmap.m_hObject != nullptr;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled) {
  return LoadBitmaps(IdName(nIDBitmapResource), IdName(nIDBitmapResourceSel),
                     IdName(nIDBitmapResourceFocus), IdName(nIDBitmapResourceDisabled));
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent) {
  if (!SubclassDlgItem(nID, pParent)) return FALSE;
  CString caption;
  GetWindowText(caption);
  if (!LoadBitmaps(caption + "U", caption + "D", caption + "F", caption + "X")) return FALSE;
  SizeToContent();
  return TRUE;
}

void CBitmapButton::SizeToContent() {
  BITMAP bm = {};
  m_bitmap.GetBitmap(&bm);
  SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CBitmap* pBitmap = &m_bitmap;
  UINT state = lpDIS->itemState;
  if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject != nullptr)
    pBitmap = &m_bitmapSel;
  else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject != nullptr)
    pBitmap = &m_bitmapFocus;
  else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject != nullptr)
    pBitmap = &m_bitmapDisabled;
  if (pBitmap->m_hObject == nullptr) return;

  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CDC memDC;
  memDC.CreateCompatibleDC(pDC);
  CBitmap* pOld = memDC.SelectObject(pBitmap);
  const RECT& rc = lpDIS->rcItem;
  pDC->BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memDC, 0, 0, SRCCOPY);
  memDC.SelectObject(pOld);
}
