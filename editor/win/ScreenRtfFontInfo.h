// The font facts an RTF copy of the document writes, asked of the screen.
#pragma once

#include "editor/core/RtfWriter.h"

class ScreenRtfFontInfo : public IRtfFontInfo {
 public:
  // The face at 14 points on the screen: its pitch and family and its
  // character set; the program's Hebrew faces carry the Hebrew one, since
  // their text is written as Windows-1255 whatever the font reports.
  BOOL GetFontInfo(LPCSTR face, BYTE& pitchAndFamily, BYTE& charSet) override;
};
