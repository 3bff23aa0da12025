#include "editor/core/FontChoice.h"

BOOL IsSameFace(LPCSTR a, LPCSTR b) { return CString(a).CompareNoCase(b) == 0; }

BOOL IsSameFont(const FontChoice& a, const FontChoice& b) {
  return IsSameFace(a.face, b.face) && a.size == b.size && a.style == b.style;
}
