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
