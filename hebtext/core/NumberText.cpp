#include "hebtext/core/NumberText.h"

#include <cctype>
#include <climits>
#include <cstdlib>

BOOL IsDigitChar(int ch) { return (ch & 0xFF) >= '0' && (ch & 0xFF) <= '9'; }

BOOL IsHexDigitChar(int ch) {
  int c = ch & 0xFF;
  return IsDigitChar(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

BOOL IsBlankChar(int ch) {
  int c = ch & 0xFF;
  return c == '\t' || c == '\f' || c == '\r' || c == ' ';
}

BOOL IsPrintableChar(int ch) { return isprint(ch & 0x7F) != 0; }

BOOL IsPunctNotDashSlash(int ch) {
  int c = ch & 0xFF;
  return c < 0x80 && ispunct(c) && c != '-' && c != '/';
}

int ParseSignedInt(LPCSTR text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (*p != '\0' && *p != '-' && !IsDigitChar(*p)) ++p;
  bool negative = *p == '-';
  if (negative) ++p;
  int value = 0;
  for (; IsDigitChar(*p); ++p) {
    int digit = *p - '0';
    if (value > (INT_MAX - digit) / 10) break;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

DWORD ParseHex(LPCSTR text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (*p != '\0' && !IsHexDigitChar(*p)) ++p;
  DWORD value = 0;
  for (; IsHexDigitChar(*p); ++p) {
    int c = *p;
    int digit = IsDigitChar(c) ? c - '0' : (c | 0x20) - 'a' + 10;
    value = value * 16 + static_cast<DWORD>(digit);
  }
  return value;
}

void TrimBlanks(CString& text) {
  int first = 0;
  int end = text.GetLength();
  while (first < end && IsBlankChar(text[first])) ++first;
  while (end > first && IsBlankChar(text[end - 1])) --end;
  text = text.Mid(first, end - first);
}

int IntPower(int base, int exponent) {
  int result = 1;
  for (int i = 0; i < exponent; ++i) result *= base;
  return result;
}

int BlankFieldReader::NextInt() {
  // atoi's reading, held within int rather than overflowing.
  long value = strtol(m_pos, nullptr, 10);
  SkipField();
  return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

DWORD BlankFieldReader::NextHex() {
  // Only this field's digits: a field without any reads as 0.
  const char* end = m_pos;
  while (*end != '\0' && *end != ' ') ++end;
  DWORD value = ParseHex(CString(m_pos, static_cast<int>(end - m_pos)));
  SkipField();
  return value;
}

void BlankFieldReader::SkipField() {
  while (*m_pos != '\0' && *m_pos != ' ') ++m_pos;
  if (*m_pos == ' ') ++m_pos;
}

CString CutStoredText(const CString& text, int maxLength) {
  return text.GetLength() > maxLength ? text.Left(maxLength) : text;
}
