#include "editor/core/NavEditRules.h"

#include <cctype>

BOOL NavEditAcceptsChar(UINT ch, BYTE mask) {
  if (mask >= kNavEditAnything) return TRUE;
  if (ch > 0x7F) return FALSE;
  const int c = static_cast<int>(ch);
  if (std::isdigit(c)) return (mask & kNavEditDigits) != 0;
  if (std::isalpha(c)) return (mask & kNavEditLetters) != 0;
  if (std::ispunct(c)) return (mask & kNavEditPunctuation) != 0;
  return FALSE;
}
