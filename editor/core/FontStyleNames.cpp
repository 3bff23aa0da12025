#include "editor/core/FontStyleNames.h"

#include "classlib/core/CString.h"

namespace {

constexpr UINT kStyleBitsMask = kFontStyleNameCount - 1;

const char* const kStyleNames[kFontStyleNameCount] = {
    "Regular",   "Bold",           "Italic",           "Bold Italic",
    "Underline", "Bold Underline", "Italic Underline", "Bold Italic Underline"};

int FindStyleName(LPCSTR name) {
  for (int i = 0; i < kFontStyleNameCount; i++)
    if (CString(kStyleNames[i]).CompareNoCase(name) == 0) return i;
  return -1;
}

}  // namespace

LPCSTR StyleIndexToName(UINT style) { return kStyleNames[style & kStyleBitsMask]; }

UINT StyleNameToIndex(LPCSTR name) {
  const int index = FindStyleName(name);
  return index < 0 ? 0 : static_cast<UINT>(index);
}

BOOL IsFontStyleName(LPCSTR name) { return FindStyleName(name) >= 0; }
