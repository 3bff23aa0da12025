#include "toolkit/win/CKWMemDC.h"

IMPLEMENT_DYNAMIC(CKWMemDC, CDC)

CKWMemDC::CKWMemDC(CDC* pDC, LPCRECT lpRect, COLORREF fill) : m_pDC(pDC) {
  if (lpRect == nullptr || ::IsRectEmpty(lpRect))
    pDC->GetClipBox(&m_rect);
  else
    m_rect = *lpRect;
  if (!CreateCompatibleDC(pDC)) return;
  SetMapMode(pDC->GetMapMode());
  if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
    DeleteDC();
    return;
  }
  m_pOldBitmap = SelectObject(&m_bitmap);
  m_bValid = TRUE;
  if (fill != kNoFill) FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), fill);
}

CKWMemDC::~CKWMemDC() {
  if (!m_bValid) return;
  if (m_bCopyBack)
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
  SelectObject(m_pOldBitmap);
  m_bitmap.DeleteObject();
  DeleteDC();
}

void CKWMemDC::CopyFromTarget() {
  if (m_bValid)
    BitBlt(0, 0, m_rect.Width(), m_rect.Height(), m_pDC, m_rect.left, m_rect.top, SRCCOPY);
}
