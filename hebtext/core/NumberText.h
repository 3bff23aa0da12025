// Character tests and number readers shared by the profile texts and the
// edit fields. They read plain 8-bit text in the "C" locale.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

BOOL IsDigitChar(int ch);
BOOL IsHexDigitChar(int ch);
BOOL IsBlankChar(int ch);  // tab, form feed, carriage return, space
// Every 8-bit code counts as the 7-bit code below it.
BOOL IsPrintableChar(int ch);
BOOL IsPunctNotDashSlash(int ch);

// The decimal number at the first digit or '-' of the text (0 without
// digits). Reading stops before a digit that would take the value past the
// largest signed 32-bit number.
int ParseSignedInt(LPCSTR text);
// The hexadecimal number at the first hexadecimal digit (either case);
// wraps like an unsigned 32-bit number.
DWORD ParseHex(LPCSTR text);

void TrimBlanks(CString& text);
// 1 for exponents below 1.
int IntPower(int base, int exponent);

// The stored settings texts hold numbers separated by single blanks. Each
// call reads the decimal number at the position (as atoi does, held within
// int) and moves past the next
// blank; it never moves past the end, so missing numbers read as 0.
class BlankFieldReader {
 public:
  explicit BlankFieldReader(LPCSTR text) : m_pos(text) {}
  int NextInt();
  DWORD NextHex();
  // Whatever is left, blanks included.
  LPCSTR Rest() const { return m_pos; }

 private:
  void SkipField();
  LPCSTR m_pos;
};

// A stored text as the readers take it: at most maxLength characters.
CString CutStoredText(const CString& text, int maxLength);
