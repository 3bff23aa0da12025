#include "editor/core/HebrewCharsetFonts.h"

#include "hebtext/core/SortedStrings.h"

BOOL HebrewCharsetFonts::GetFontInfo(LPCSTR face, BYTE& pitchAndFamily, BYTE& charSet) {
  pitchAndFamily = 0;
  charSet = IsProgramHebrewFont(face) ? kRtfHebrewCharset : 0;
  return TRUE;
}
