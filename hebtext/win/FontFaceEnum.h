// Collecting the installed TrueType faces for the font choosers.
#pragma once

#include <windows.h>

#include "classlib/core/Collections.h"

// What AddFontFaceProc collects: the mode of BuildFontFaceList (1 only the
// program's Hebrew faces, 2 only the other faces, else all) and where to.
struct FontFaceEnumContext {
  int mode;
  CStringArray* faces;
};

// The font-enumeration callback (lParam: a FontFaceEnumContext); takes
// TrueType faces only, each face once, and always goes on.
int CALLBACK AddFontFaceProc(const LOGFONTA* logFont, const TEXTMETRICA* textMetric, DWORD fontType,
                             LPARAM context);

// Every TrueType face of the device that the mode takes, ordered by
// BuildFontFaceList.
void EnumerateFontFaces(HDC hDC, CStringArray& faces, int mode);
