#include "hebtext/core/ColorSpec.h"

#include "classlib/core/CString.h"
#include "hebtext/core/NumberText.h"

namespace {

struct NamedColor {
  const char* name;
  COLORREF color;
};

// The names are those of the program's string resources 1097-1179.
constexpr NamedColor kNamedColors[] = {
    {"WHITE", 0xFFFFFF},       {"BLACK", 0x000000},       {"LTGRAY", 0xC0C0C0},
    {"DKGRAY", 0x808080},      {"RED", 0x0000FF},         {"YELLOW", 0x00FFFF},
    {"PALEYELLOW", 0x80FFFF},  {"LIGHTBLUE", 0xFFFF3C},   {"DARKBLUE", 0x800000},
    {"MEDIUMBLUE", 0xA00000},  {"LIGHTBLUE2", 0xC00000},  {"BLUE", 0xFF0000},
    {"PINK", 0xBF7FFF},        {"FUSCHIA", 0xBF3FFF},     {"REDORANGE", 0x3F3FFF},
    {"ORANGE", 0x3F7FFF},      {"LIGHTORANGE", 0x5F9FFF}, {"LIGHTGREEN", 0x00C000},
    {"MEDIUMGREEN", 0x008000}, {"DARKGREEN", 0x408000},   {"GREEN", 0x00FF00},
    {"VIOLET", 0xC000C0},      {"PURPLE", 0xFF00FF},
};

COLORREF MakeColor(DWORD red, DWORD green, DWORD blue) {
  return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

// Three decimal numbers separated by anything that is not a digit.
COLORREF ParseDecimalTriple(const char* p) {
  DWORD parts[3];
  for (DWORD& part : parts) {
    while (*p != '\0' && !IsDigitChar(*p)) ++p;
    if (*p == '\0') return kInvalidColorSpec;
    part = 0;
    for (; IsDigitChar(*p); ++p) part = part * 10 + static_cast<DWORD>(*p - '0');
  }
  return MakeColor(parts[0], parts[1], parts[2]);
}

}  // namespace

COLORREF ParseColorSpec(LPCSTR text) {
  if (text == nullptr) return kInvalidColorSpec;
  const char* p = text;
  while (IsBlankChar(*p)) ++p;
  if (*p == '\0') return kInvalidColorSpec;
  if (*p == '|') return kNoColorSpec;
  if (*p == '#') {
    DWORD rgb = ParseHex(p + 1);
    return MakeColor(rgb >> 16, rgb >> 8, rgb);
  }
  if (*p == 'X' || *p == 'x') {
    if (IsHexDigitChar(p[1])) return ParseHex(p + 1);
  }
  if (IsDigitChar(*p)) return ParseDecimalTriple(p);
  CString name(p);
  for (const NamedColor& named : kNamedColors)
    if (name.CompareNoCase(named.name) == 0) return named.color;
  return kInvalidColorSpec;
}
