// A font as the font dialogs choose it: face, point size and style bits,
// and when a choice changes nothing.
#pragma once

#include "classlib/core/CString.h"

struct FontChoice {
  CString face;
  WORD size = 0;
  UINT style = 0;
};

// Faces differing in letter case only are one face.
BOOL IsSameFace(LPCSTR a, LPCSTR b);
BOOL IsSameFont(const FontChoice& a, const FontChoice& b);
