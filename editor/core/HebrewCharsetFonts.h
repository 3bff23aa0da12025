// The font facts an RTF copy or save writes without asking a screen: the
// program's Hebrew faces carry the Hebrew character set (their text is
// written as Windows-1255), other faces the Western one.
#pragma once

#include "editor/core/RtfWriter.h"

constexpr BYTE kRtfHebrewCharset = 177;

class HebrewCharsetFonts : public IRtfFontInfo {
 public:
  BOOL GetFontInfo(LPCSTR face, BYTE& pitchAndFamily, BYTE& charSet) override;
};
