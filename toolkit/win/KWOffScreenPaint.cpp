#include "toolkit/win/KWOffScreenPaint.h"

#include "classlib/win/CDC.h"
#include "toolkit/win/CKWMemDC.h"

LRESULT KWPaintOffScreen(CWnd* pWnd, COLORREF clrBack) {
  PAINTSTRUCT ps;
  CDC* pDC = CDC::FromHandle(::BeginPaint(pWnd->m_hWnd, &ps));
  CRect client;
  pWnd->GetClientRect(client);
  LRESULT result;
  {
    CKWMemDC memDC(pDC, client, clrBack);
    result = pWnd->DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
  }
  ::EndPaint(pWnd->m_hWnd, &ps);
  return result;
}
