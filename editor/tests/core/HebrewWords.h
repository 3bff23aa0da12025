// Unpointed Hebrew in tests written as UTF-8 and held as the text code holds
// it: plain letters sit at their Windows-1255 places in both.
#pragma once

#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/UnicodeHebrew.h"

inline std::string Hebrew(const char* utf8) {
  CString text(utf8);
  Utf8ToAnsiHebrew(text);
  return std::string(text, text.GetLength());
}
