// Pointed Hebrew in tests written as UTF-8 (a meteg marks a stressed
// vowel) and held as the program's text code holds it.
#pragma once

#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"

inline std::string PointedHebrew(const char* utf8) {
  CString text(utf8);
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  return std::string(text, text.GetLength());
}

// Unicode Hebrew text (the clipboard's) as UTF-8: letters and points take
// two bytes each.
inline std::string WideHebrewToUtf8(const WideString& text) {
  std::string out;
  for (WCHAR unit : text) {
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else {
      out += static_cast<char>(0xC0 | (unit >> 6));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}
