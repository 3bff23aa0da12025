#include "hebtext/core/UnicodeHebrew.h"

#include <cstring>

#include "hebtext/core/ByteText.h"

namespace {

WCHAR AnsiHebrewCharToUnicode(BYTE c) {
  if (c >= 0xC0 && c <= 0xC9) return static_cast<WCHAR>(0x05B0 + c - 0xC0);  // shva to holam
  if (c >= 0xE0 && c <= 0xFA) return static_cast<WCHAR>(0x05D0 + c - 0xE0);  // alef to tav
  switch (c) {
    case 0xCB: return 0x05BB;  // qubuts
    case 0xCC: return 0x05BC;  // dagesh
    case 0xCD: return 0x05BD;  // meteg
    case 0xD1: return 0x05C1;  // shin dot
    case 0xD2: return 0x05C2;  // sin dot
    case '-': return 0x05BE;   // maqaf
    case ':': return 0x05C3;   // sof pasuq
    default: return c;
  }
}

int OneByte(BYTE (&bytes)[2], int b) {
  bytes[0] = static_cast<BYTE>(b);
  return 1;
}

int TwoBytes(BYTE (&bytes)[2], int b0, int b1) {
  bytes[0] = static_cast<BYTE>(b0);
  bytes[1] = static_cast<BYTE>(b1);
  return 2;
}

void AppendUnicodeAsAnsi(std::string& out, UINT unit) {
  BYTE bytes[2];
  out.append(reinterpret_cast<const char*>(bytes), UnicodeCharToAnsi(unit, bytes));
}

// How a UTF-8 lead byte starts its sequence.
struct Utf8Lead {
  BYTE mask;
  BYTE value;
  int trailBytes;
  bool decoded;  // false: a code point beyond 16 bits, skipped
};

constexpr Utf8Lead kUtf8Leads[] = {
    {0xE0, 0xC0, 1, true},  {0xF0, 0xE0, 2, true},  {0xF8, 0xF0, 3, false},
    {0xFC, 0xF8, 4, false}, {0xFE, 0xFC, 5, false},
};

const Utf8Lead* FindUtf8Lead(BYTE c) {
  for (const Utf8Lead& lead : kUtf8Leads) {
    if ((c & lead.mask) == lead.value) return &lead;
  }
  return nullptr;
}

}  // namespace

WideString AnsiHebrewToUnicode(LPCSTR text) {
  const BYTE* in = BytesOf(text);
  const size_t length = std::strlen(text);
  WideString out(length, 0);
  for (size_t i = 0; i < length; ++i) out[i] = AnsiHebrewCharToUnicode(in[i]);
  return out;
}

int UnicodeCharToAnsi(UINT unit, BYTE (&bytes)[2]) {
  if (unit < 0x80) return OneByte(bytes, unit);
  if (unit >= 0x05B0 && unit <= 0x05B9) return OneByte(bytes, 0xC0 + unit - 0x05B0);
  if (unit >= 0x05D0 && unit <= 0x05EA) return OneByte(bytes, 0xE0 + unit - 0x05D0);
  switch (unit) {
    case 0x05BB: return OneByte(bytes, 0xCB);  // qubuts
    case 0x05BC: return OneByte(bytes, 0xCC);  // dagesh
    case 0x05BD: return OneByte(bytes, 0xCD);  // meteg
    case 0x05BE: return OneByte(bytes, '-');   // maqaf
    case 0x05C1: return OneByte(bytes, 0xD1);  // shin dot
    case 0x05C2: return OneByte(bytes, 0xD2);  // sin dot
    case 0x05C3: return OneByte(bytes, ':');   // sof pasuq
    case 0xF302:                               // meteg of older Hebrew fonts
    case 0xF303: return OneByte(bytes, 0xCD);
    case 0xFB2A: return TwoBytes(bytes, 0xF9, 0xD1);  // shin with shin dot
    case 0xFB2B: return TwoBytes(bytes, 0xF9, 0xD2);  // shin with sin dot
    case 0xFB35: return TwoBytes(bytes, 0xE5, 0xCC);  // vav with dagesh
    case 0xFB4B: return TwoBytes(bytes, 0xE5, 0xC9);  // vav with holam
    default: return 0;
  }
}

void UnicodeToAnsiHebrew(CString& result, LPCWSTR text) {
  std::string out;
  for (; *text != 0; ++text) AppendUnicodeAsAnsi(out, static_cast<UINT>(*text));
  AssignBytes(result, out);
}

void Utf8ToAnsiHebrew(CString& text) {
  const BYTE* in = BytesOf(text);
  const int length = text.GetLength();
  std::string out;
  int i = 0;
  while (i < length) {
    const BYTE c = in[i];
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const Utf8Lead* lead = FindUtf8Lead(c);
    if (lead == nullptr) {  // a stray continuation byte, 0xFE or 0xFF
      ++i;
      continue;
    }
    if (lead->trailBytes >= length - i) break;  // cut off by the end of the text
    if (lead->decoded) {
      UINT unit = c & static_cast<BYTE>(~lead->mask);
      for (int k = 1; k <= lead->trailBytes; ++k) unit = (unit << 6) | (in[i + k] & 0x3F);
      AppendUnicodeAsAnsi(out, unit);
    }
    i += lead->trailBytes + 1;
  }
  AssignBytes(text, out);
}

void AnsiHebrewToUtf8(CString& text) {
  const BYTE* in = BytesOf(text);
  const int length = text.GetLength();
  std::string out;
  out.reserve(length * 2);
  for (int i = 0; i < length; ++i) {
    const UINT unit = AnsiHebrewCharToUnicode(in[i]);
    if (unit <= 0x7F) {
      out += static_cast<char>(unit);
    } else if (unit <= 0x7FF) {
      out += static_cast<char>(0xC0 | (unit >> 6));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (unit >> 12));
      out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  AssignBytes(text, out);
}
