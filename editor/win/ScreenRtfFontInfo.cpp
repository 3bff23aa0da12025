#include "editor/win/ScreenRtfFontInfo.h"

#include <windows.h>

#include "editor/core/HebrewCharsetFonts.h"
#include "hebtext/core/SortedStrings.h"

namespace {

constexpr int kQueryPointSize = 14;
constexpr int kPointsPerInch = 72;

}  // namespace

BOOL ScreenRtfFontInfo::GetFontInfo(LPCSTR face, BYTE& pitchAndFamily, BYTE& charSet) {
  pitchAndFamily = charSet = 0;
  HDC hDC = ::GetDC(nullptr);
  if (hDC == nullptr) return FALSE;
  LOGFONTA logFont = {};
  logFont.lfHeight = -::MulDiv(kQueryPointSize, ::GetDeviceCaps(hDC, LOGPIXELSY), kPointsPerInch);
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
  HFONT hFont = ::CreateFontIndirectA(&logFont);
  HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
  TEXTMETRICA metrics = {};
  BOOL selected = hOld != nullptr && ::GetTextMetricsA(hDC, &metrics);
  if (hOld != nullptr) ::SelectObject(hDC, hOld);
  if (hFont != nullptr) ::DeleteObject(hFont);
  ::ReleaseDC(nullptr, hDC);
  if (!selected) return FALSE;
  pitchAndFamily = metrics.tmPitchAndFamily;
  charSet = IsProgramHebrewFont(face) ? kRtfHebrewCharset : metrics.tmCharSet;
  return TRUE;
}
