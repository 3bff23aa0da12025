#include "editor/core/FontSizeBox.h"

#include <cctype>
#include <cstdlib>

CString FontSizeBoxText(int size) {
  CString text;
  text.Format("%2d", size);
  return text;
}

int FindFontSizeBoxEntry(const CStringArray& entries, int size) {
  CString text = FontSizeBoxText(size);
  for (int i = 0; i < entries.GetSize(); i++)
    if (entries[i] == text) return i;
  return -1;
}

int FontSizeBoxInsertIndex(const CStringArray& entries, int size) {
  for (int i = 0; i < entries.GetSize(); i++)
    if (std::atoi(entries[i]) > size) return i;
  return static_cast<int>(entries.GetSize());
}

WORD ParseTypedFontSize(LPCSTR text) {
  // Blanks around the digits are the box's own padding.
  while (*text == ' ') text++;
  int size = 0;
  int digits = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); text++, digits++) {
    if (size > kMaxBoxFontSize) return 0;
    size = size * 10 + (*text - '0');
  }
  while (*text == ' ') text++;
  if (digits == 0 || *text != 0 || size < kMinBoxFontSize || size > kMaxBoxFontSize) return 0;
  return static_cast<WORD>(size);
}
