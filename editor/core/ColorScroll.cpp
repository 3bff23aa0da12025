#include "editor/core/ColorScroll.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

BOOL IsBlank(char c) { return c == ' ' || c == '\t'; }

int Clamp(int value) { return value < kRgbMin ? kRgbMin : value > kRgbMax ? kRgbMax : value; }

}  // namespace

BOOL RgbScrollValue(UINT code, int current, int thumb, int& value) {
  switch (code) {
    case kRgbLineLeft:
    case kRgbPageLeft:
      if (current <= kRgbMin) return FALSE;
      value = Clamp(current - (code == kRgbLineLeft ? 1 : kRgbPageStep));
      return TRUE;
    case kRgbLineRight:
    case kRgbPageRight:
      if (current >= kRgbMax) return FALSE;
      value = Clamp(current + (code == kRgbLineRight ? 1 : kRgbPageStep));
      return TRUE;
    case kRgbThumbPosition:
    case kRgbThumbTrack:
      value = Clamp(thumb);
      return TRUE;
    case kRgbLeftEnd:
      value = kRgbMin;
      return TRUE;
    case kRgbRightEnd:
      value = kRgbMax;
      return TRUE;
    default:
      return FALSE;
  }
}

BYTE RgbFieldValue(LPCSTR text) {
  char cut[kRgbFieldChars + 1] = "";
  std::strncpy(cut, text, kRgbFieldChars);
  return static_cast<BYTE>(std::strtoul(cut, nullptr, 10));
}

BOOL ParseRgbField(LPCSTR text, int& value) {
  const char* p = text;
  while (IsBlank(*p)) ++p;
  int number = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
    number = number * 10 + (*p - '0');
    if (number > kRgbMax) return FALSE;
  }
  while (IsBlank(*p)) ++p;
  if (digits == 0 || *p != '\0') return FALSE;
  value = number;
  return TRUE;
}

CString FormatRgbField(int value) {
  CString text;
  text.Format("%3u", static_cast<unsigned>(value));
  return text;
}

BOOL ParsePaletteColor(LPCSTR text, COLORREF& color) {
  int red, green, blue;
  char rest;
  if (std::sscanf(text, "%d %d %d %c", &red, &green, &blue, &rest) != 3) return FALSE;
  for (int part : {red, green, blue})
    if (part < kRgbMin || part > kRgbMax) return FALSE;
  color = RGB(red, green, blue);
  return TRUE;
}
