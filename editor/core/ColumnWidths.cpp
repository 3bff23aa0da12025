#include "editor/core/ColumnWidths.h"

#include <cctype>

const int kDefaultFileColumnWidths[kFileColumnCount] = {100, 190, 90, 80, 50};

namespace {

const char kWidthEnd = '|';

void SetDefaults(int widths[kFileColumnCount]) {
  for (int i = 0; i < kFileColumnCount; ++i) widths[i] = kDefaultFileColumnWidths[i];
}

BOOL IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

void ParseFileColumnWidths(LPCSTR text, int widths[kFileColumnCount]) {
  SetDefaults(widths);
  if (!text) return;
  const char* p = text;
  for (int column = 0; column < kFileColumnCount && *p; ++column) {
    // The value is bounded while it is read: a long run of digits is out of
    // range, never an overflow.
    int value = 0;
    BOOL any = FALSE;
    for (; IsDigit(*p); ++p) {
      any = TRUE;
      if (value <= kMaxFileColumnWidth) value = value * 10 + (*p - '0');
    }
    if (!any || value < kMinFileColumnWidth || value > kMaxFileColumnWidth)
      return SetDefaults(widths);
    widths[column] = value;
    if (*p != kWidthEnd) return;
    ++p;
  }
}

CString FormatFileColumnWidths(const int widths[kFileColumnCount]) {
  CString text;
  for (int i = 0; i < kFileColumnCount; ++i) {
    CString one;
    one.Format("%d%c", widths[i], kWidthEnd);
    text += one;
  }
  return text;
}
