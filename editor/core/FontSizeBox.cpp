#include "editor/core/FontSizeBox.h"

#include <cctype>
#include <cstdlib>

namespace {

// Blanks before one digit make the texts sort and compare like numbers.
const char* const kStandardFontSizes[] = {" 6", " 7", " 8", " 9", "10", "11", "12", "14", "16",
                                          "18", "20", "22", "24", "26", "28", "36", "48", "72"};

BOOL IsListed(const CStringArray& entries, const CString& text) {
  for (int i = 0; i < entries.GetSize(); i++)
    if (entries[i] == text) return TRUE;
  return FALSE;
}

}  // namespace

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

void AppendStandardFontSizes(CStringArray& entries, LPCSTR currentSize) {
  const int current = std::atoi(currentSize);
  BOOL currentPlaced = current <= 0 || current > kLargestStandardFontSize;
  for (const char* standard : kStandardFontSizes) {
    const int size = std::atoi(standard);
    if (size == current) currentPlaced = TRUE;
    if (!currentPlaced && size > current) {
      if (!IsListed(entries, currentSize)) entries.Add(currentSize);
      currentPlaced = TRUE;
    }
    if (!IsListed(entries, standard)) entries.Add(standard);
  }
}
