#include "toolkit/win/CKWSizeGrip.h"

#include "classlib/win/MessageMap.h"
#include "toolkit/res/ToolkitIds.h"

BEGIN_MESSAGE_MAP(CKWSizeGrip, CStatic)
  ON_WM_CREATE()
  ON_WM_SETCURSOR()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CKWSizeGrip::CKWSizeGrip() : m_hCursor(::LoadCursorA(nullptr, IDC_SIZENWSE)) {}

int CKWSizeGrip::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CStatic::OnCreate(lpCreateStruct) == -1) return -1;
  if (!m_bitmap.GetSafeHandle()) m_bitmap.LoadBitmap(IDB_KW_SIZE_GRIP);
  SetBitmap(static_cast<HBITMAP>(m_bitmap.GetSafeHandle()));
  return 0;
}

BOOL CKWSizeGrip::OnSetCursor(CWnd*, UINT, UINT) {
  ::SetCursor(m_hCursor);
  return TRUE;
}

void CKWSizeGrip::OnMouseMove(UINT nFlags, CPoint point) {
  CStatic::OnMouseMove(nFlags, point);
  if (::GetCursor() != m_hCursor) ::SetCursor(m_hCursor);
}

void CKWSizeGrip::OnLButtonDown(UINT nFlags, CPoint point) {
  CStatic::OnLButtonDown(nFlags, point);
  ClientToScreen(&point);
  GetParent()->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(point.x, point.y));
}
