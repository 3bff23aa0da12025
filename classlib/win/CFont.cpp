#include "classlib/win/CFont.h"

#include <cstdlib>

#include "classlib/win/CDC.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCTSTR lpszFacename) {
  return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                              bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                              nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  if (lpszFaceName != nullptr) ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
  // Tenths of a point to device pixels, then to the DC's logical units; the
  // negative height asks for the character height rather than the cell's.
  constexpr int kTenthPointsPerInch = 720;
  int nPixels =
      ::MulDiv(lpLogFont->lfHeight, ::GetDeviceCaps(hDC, LOGPIXELSY), kTenthPointsPerInch);
  POINT points[2] = {{0, 0}, {0, nPixels}};
  ::DPtoLP(hDC, points, 2);
  if (pDC == nullptr) ::ReleaseDC(nullptr, hDC);
  LOGFONT logFont = *lpLogFont;
  logFont.lfHeight = -std::abs(points[1].y - points[0].y);
  return CreateFontIndirect(&logFont);
}
