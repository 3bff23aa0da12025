#include "classlib/win/CPreviewDC.h"

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

CPreviewDC::~CPreviewDC() {
  m_hDC = nullptr;
  m_hAttribDC = nullptr;
}

void CPreviewDC::SetAttribDC(HDC hDC) {
  CDC::SetAttribDC(hDC);
  MirrorMappingMode();
}

void CPreviewDC::SetOutputDC(HDC hDC) {
  CDC::SetOutputDC(hDC);
  MirrorMappingMode();
}

void CPreviewDC::ReleaseOutputDC() {
  if (m_hDC != nullptr) ::SelectClipRgn(m_hDC, nullptr);
  CDC::ReleaseOutputDC();
}

void CPreviewDC::SetScaleRatio(int nNum, int nDen) {
  m_nScaleNum = nNum;
  m_nScaleDen = nDen;
  MirrorMappingMode();
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTopLeft) {
  m_sizeTopLeft = sizeTopLeft;
  MirrorMappingMode();
}

void CPreviewDC::PrinterDPtoScreenDP(LPPOINT lpPoint) const {
  lpPoint->x = ::MulDiv(lpPoint->x, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cx;
  lpPoint->y = ::MulDiv(lpPoint->y, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cy;
}

void CPreviewDC::ClipToPage() {
  if (m_hDC == nullptr || m_hAttribDC == nullptr) return;
  POINT ptBottomRight = {::GetDeviceCaps(m_hAttribDC, HORZRES),
                         ::GetDeviceCaps(m_hAttribDC, VERTRES)};
  PrinterDPtoScreenDP(&ptBottomRight);
  HRGN hRgn = ::CreateRectRgn(m_sizeTopLeft.cx, m_sizeTopLeft.cy, ptBottomRight.x, ptBottomRight.y);
  ::SelectClipRgn(m_hDC, hRgn);
  ::DeleteObject(hRgn);
}

void CPreviewDC::MirrorMappingMode() {
  if (m_hDC == nullptr || m_hAttribDC == nullptr || m_hDC == m_hAttribDC) return;
  SIZE sizeWindowExt;
  SIZE sizeViewportExt;
  POINT ptWindowOrg;
  POINT ptViewportOrg;
  ::GetWindowExtEx(m_hAttribDC, &sizeWindowExt);
  ::GetViewportExtEx(m_hAttribDC, &sizeViewportExt);
  ::GetWindowOrgEx(m_hAttribDC, &ptWindowOrg);
  ::GetViewportOrgEx(m_hAttribDC, &ptViewportOrg);
  // The ratio goes into the extents whole: an extent of one printer pixel
  // would round to nothing on the screen.
  ::SetMapMode(m_hDC, MM_ANISOTROPIC);
  ::SetWindowExtEx(m_hDC, sizeWindowExt.cx * m_nScaleDen, sizeWindowExt.cy * m_nScaleDen, nullptr);
  ::SetViewportExtEx(m_hDC, sizeViewportExt.cx * m_nScaleNum, sizeViewportExt.cy * m_nScaleNum,
                     nullptr);
  ::SetWindowOrgEx(m_hDC, ptWindowOrg.x, ptWindowOrg.y, nullptr);
  PrinterDPtoScreenDP(&ptViewportOrg);
  ::SetViewportOrgEx(m_hDC, ptViewportOrg.x, ptViewportOrg.y, nullptr);
}

BOOL CPreviewDC::RestoreDC(int nSavedDC) {
  BOOL bRestored = CDC::RestoreDC(nSavedDC);
  MirrorMappingMode();
  return bRestored;
}

int CPreviewDC::SetMapMode(int nMapMode) {
  int nOld = ::SetMapMode(m_hAttribDC, nMapMode);
  MirrorMappingMode();
  return nOld;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y) {
  POINT point = {};
  ::SetViewportOrgEx(m_hAttribDC, x, y, &point);
  MirrorMappingMode();
  return point;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT point = {};
  ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &point);
  MirrorMappingMode();
  return point;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy) {
  SIZE size = {};
  ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
  MirrorMappingMode();
  return size;
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
  SIZE size = {};
  ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
  MirrorMappingMode();
  return size;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy) {
  SIZE size = {};
  ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
  MirrorMappingMode();
  return size;
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
  SIZE size = {};
  ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
  MirrorMappingMode();
  return size;
}
