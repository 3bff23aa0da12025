#include "hebtext/core/UnicodeHebrew.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/ByteText.h"

namespace {

constexpr WCHAR kNone = 0;

// The characters of code page 1255 from 0x80 up, kNone where it has none.
// clang-format off
constexpr WCHAR kWindows1255High[128] = {
    0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, kNone,  0x2039, kNone,  kNone,  kNone,  kNone,
    kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, kNone,  0x203A, kNone,  kNone,  kNone,  kNone,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x20AA, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x00D7, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x00B9, 0x00F7, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x05B0, 0x05B1, 0x05B2, 0x05B3, 0x05B4, 0x05B5, 0x05B6, 0x05B7,  // 0xC0 points
    0x05B8, 0x05B9, 0x05BA, 0x05BB, 0x05BC, 0x05BD, 0x05BE, 0x05BF,
    0x05C0, 0x05C1, 0x05C2, 0x05C3, 0x05F0, 0x05F1, 0x05F2, 0x05F3,  // 0xD0
    0x05F4, kNone,  kNone,  kNone,  kNone,  kNone,  kNone,  kNone,
    0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7,  // 0xE0 letters
    0x05D8, 0x05D9, 0x05DA, 0x05DB, 0x05DC, 0x05DD, 0x05DE, 0x05DF,
    0x05E0, 0x05E1, 0x05E2, 0x05E3, 0x05E4, 0x05E5, 0x05E6, 0x05E7,  // 0xF0
    0x05E8, 0x05E9, 0x05EA, kNone,  kNone,  0x200E, 0x200F, kNone,
};

// Code page 1252 from 0x80 to 0x9F; from 0xA0 up it is Latin-1.
constexpr WCHAR kWindows1252Controls[32] = {
    0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kNone,  0x017D, kNone,
    kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178,
};
// clang-format on

// Hebrew characters and the bytes the program writes them as.
constexpr UINT kFirstPoint = 0x05B0, kMeteg = 0x05BD, kMaqaf = 0x05BE, kRafe = 0x05BF,
               kShinDot = 0x05C1, kSinDot = 0x05C2,
               kSofPasuq = 0x05C3, kQamatsQatan = 0x05C7, kAlef = 0x05D0, kBet = 0x05D1,
               kDalet = 0x05D3, kHe = 0x05D4, kVav = 0x05D5, kYod = 0x05D9, kKaf = 0x05DB,
               kLamed = 0x05DC, kFinalMem = 0x05DD, kAyin = 0x05E2, kPe = 0x05E4,
               kResh = 0x05E8, kShin = 0x05E9, kTav = 0x05EA,
               kDoubleVav = 0x05F0, kVavYod = 0x05F1, kDoubleYod = 0x05F2, kGeresh = 0x05F3,
               kGershayim = 0x05F4, kOldFontMeteg = 0xF302, kOldFontStressMeteg = 0xF303;
constexpr UINT kHiriq = 0x05B4, kPatah = 0x05B7, kQamats = 0x05B8, kHolam = 0x05B9,
               kDagesh = 0x05BC;
constexpr BYTE kAnsiFirstPoint = 0xC0, kAnsiMeteg = 0xCD, kAnsiMaqaf = 0xCE, kAnsiAlef = 0xE0;
constexpr UINT kAsciiEnd = 0x80;
constexpr UINT kLatin1Start = 0xA0, kLatin1End = 0x100;
constexpr UINT kHebrewBlockStart = 0x0590, kHebrewBlockEnd = 0x0600;
constexpr UINT kPresentationFormsStart = 0xFB1D, kPresentationFormsEnd = 0xFB50;
// The letters with dagesh sit at the letter's offset from alef, from here on.
constexpr UINT kFirstDageshForm = 0xFB30, kLastDageshForm = 0xFB4A;
// The letters Unicode gives no dagesh form: het, final mem, final nun, ayin,
// final tsadi.
constexpr UINT kNoDageshForms[] = {0xFB37, 0xFB3D, 0xFB3F, 0xFB42, 0xFB45};

constexpr UINT kShekelSign = 0x20AA;
constexpr BYTE kWindows1252CurrencySign = 0xA4;

struct Decomposition {
  UINT form;
  UINT parts[3];
};

// The presentation forms that are not a letter with dagesh, by their
// decomposition (the compatibility one for the wide letters, the
// alternative plus sign and the alef-lamed ligature).
constexpr Decomposition kPresentationForms[] = {
    {0xFB1D, {kYod, kHiriq}},    {0xFB1F, {kDoubleYod, kPatah}},
    {0xFB20, {kAyin}},           {0xFB21, {kAlef}},
    {0xFB22, {kDalet}},          {0xFB23, {kHe}},
    {0xFB24, {kKaf}},            {0xFB25, {kLamed}},
    {0xFB26, {kFinalMem}},       {0xFB27, {kResh}},
    {0xFB28, {kTav}},            {0xFB29, {'+'}},
    {0xFB2A, {kShin, kShinDot}}, {0xFB2B, {kShin, kSinDot}},
    {0xFB2C, {kShin, kDagesh, kShinDot}}, {0xFB2D, {kShin, kDagesh, kSinDot}},
    {0xFB2E, {kAlef, kPatah}},   {0xFB2F, {kAlef, kQamats}},
    {0xFB4B, {kVav, kHolam}},    {0xFB4C, {kBet, kRafe}},
    {0xFB4D, {kKaf, kRafe}},     {0xFB4E, {kPe, kRafe}},
    {0xFB4F, {kAlef, kLamed}},
};

// Writes the bytes of a Hebrew character that has no decomposition.
int BasicHebrewToAnsi(UINT unit, BYTE* bytes) {
  if ((unit >= kFirstPoint && unit <= kMeteg) || unit == kShinDot || unit == kSinDot) {
    bytes[0] = static_cast<BYTE>(kAnsiFirstPoint + unit - kFirstPoint);
    return 1;
  }
  if (unit >= kAlef && unit <= kTav) {
    bytes[0] = static_cast<BYTE>(kAnsiAlef + unit - kAlef);
    return 1;
  }
  const auto letters = [&](UINT first, UINT second) {
    bytes[0] = static_cast<BYTE>(kAnsiAlef + first - kAlef);
    bytes[1] = static_cast<BYTE>(kAnsiAlef + second - kAlef);
    return 2;
  };
  const auto one = [&](BYTE b) {
    bytes[0] = b;
    return 1;
  };
  switch (unit) {
    case kQamatsQatan: return one(kAnsiFirstPoint + kQamats - kFirstPoint);
    case kMaqaf: return one('-');
    case kSofPasuq: return one(':');
    case kGeresh: return one('\'');
    case kGershayim: return one('"');
    case kDoubleVav: return letters(kVav, kVav);
    case kVavYod: return letters(kVav, kYod);
    case kDoubleYod: return letters(kYod, kYod);
    case kOldFontMeteg:
    case kOldFontStressMeteg: return one(kAnsiMeteg);
    default: return 0;
  }
}

int PresentationFormToAnsi(UINT unit, BYTE* bytes) {
  if (unit >= kFirstDageshForm && unit <= kLastDageshForm) {
    if (std::find(std::begin(kNoDageshForms), std::end(kNoDageshForms), unit) !=
        std::end(kNoDageshForms)) {
      return 0;
    }
    const int count = BasicHebrewToAnsi(kAlef + unit - kFirstDageshForm, bytes);
    return count + BasicHebrewToAnsi(kDagesh, bytes + count);
  }
  for (const Decomposition& d : kPresentationForms) {
    if (d.form != unit) continue;
    int count = 0;
    for (UINT part : d.parts) {
      if (part == 0) break;
      if (part < kAsciiEnd) {
        bytes[count++] = static_cast<BYTE>(part);
      } else {
        count += BasicHebrewToAnsi(part, bytes + count);
      }
    }
    return count;
  }
  return 0;
}

bool IsInvisibleFormatting(UINT codePoint) {
  return codePoint == 0x034F ||                            // combining grapheme joiner
         (codePoint >= 0x200B && codePoint <= 0x200F) ||  // zero widths, direction marks
         (codePoint >= 0x202A && codePoint <= 0x202E) ||  // direction embeddings
         (codePoint >= 0x2060 && codePoint <= 0x2069) ||  // word joiner, isolates
         codePoint == 0xFEFF;                             // byte order mark
}

WCHAR AnsiHebrewCharToUnicode(BYTE c) {
  if (c == '-') return kMaqaf;
  if (c == ':') return kSofPasuq;
  const UINT unit = Windows1255ToUnicode(c);
  return static_cast<WCHAR>(unit == kReplacementCharacter ? c : unit);
}

void AppendUnicodeAsAnsi(std::string& out, UINT unit) {
  BYTE bytes[kMaxAnsiBytesPerChar];
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

constexpr BYTE kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
constexpr BYTE kUtf16LittleEndianBom[] = {0xFF, 0xFE};
constexpr BYTE kUtf16BigEndianBom[] = {0xFE, 0xFF};
constexpr UINT kFirstSurrogate = 0xD800, kFirstLowSurrogate = 0xDC00, kLastSurrogate = 0xDFFF;
constexpr UINT kFirstSupplementary = 0x10000, kLastCodePoint = 0x10FFFF;

template <size_t N>
bool StartsWith(const BYTE* data, size_t size, const BYTE (&prefix)[N]) {
  return size >= N && std::memcmp(data, prefix, N) == 0;
}

// Reads the well-formed UTF-8 sequence at data[at] and moves at past it;
// false, with at unchanged, for anything else (a stray or missing
// continuation byte, an overlong form, a surrogate, a code point beyond
// Unicode).
bool ReadUtf8(const BYTE* data, size_t size, size_t& at, UINT& codePoint) {
  const BYTE lead = data[at];
  int trailBytes = 0;
  UINT least = 0;
  if (lead < kAsciiEnd) {
    codePoint = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    trailBytes = 1, least = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    trailBytes = 2, least = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    trailBytes = 3, least = kFirstSupplementary, codePoint = lead & 0x07;
  } else {
    return false;
  }
  if (size - at <= static_cast<size_t>(trailBytes)) return false;
  for (int k = 1; k <= trailBytes; ++k) {
    const BYTE trail = data[at + k];
    if ((trail & 0xC0) != 0x80) return false;
    codePoint = (codePoint << 6) | (trail & 0x3F);
  }
  if (codePoint < least || codePoint > kLastCodePoint ||
      (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate)) {
    return false;
  }
  at += trailBytes + 1;
  return true;
}

// Windows-1255 text is almost never valid UTF-8 beyond ASCII: its letters
// (0xE0-0xFA) would need two continuation bytes (0x80-0xBF, punctuation) after
// them, and its points (0xC0-0xD8) one.
bool IsUtf8BeyondAscii(const BYTE* data, size_t size) {
  bool beyondAscii = false;
  for (size_t at = 0; at < size;) {
    beyondAscii = beyondAscii || data[at] >= kAsciiEnd;
    UINT codePoint;
    if (!ReadUtf8(data, size, at, codePoint)) return false;
  }
  return beyondAscii;
}

void DecodeUtf8(const BYTE* data, size_t size, std::u32string& out) {
  for (size_t at = 0; at < size;) {
    UINT codePoint;
    if (!ReadUtf8(data, size, at, codePoint)) {
      codePoint = kReplacementCharacter;
      ++at;
    }
    out += static_cast<char32_t>(codePoint);
  }
}

void DecodeUtf16(const BYTE* data, size_t size, bool bigEndian, std::u32string& out) {
  const auto unitAt = [&](size_t at) -> UINT {
    return bigEndian ? (data[at] << 8) | data[at + 1] : data[at] | (data[at + 1] << 8);
  };
  for (size_t at = 0; at + 1 < size; at += 2) {
    const UINT unit = unitAt(at);
    if (unit < kFirstSurrogate || unit > kLastSurrogate) {
      out += static_cast<char32_t>(unit);
      continue;
    }
    const UINT low = at + 3 < size ? unitAt(at + 2) : 0;
    if (unit < kFirstLowSurrogate && low >= kFirstLowSurrogate && low <= kLastSurrogate) {
      out += static_cast<char32_t>(kFirstSupplementary + ((unit - kFirstSurrogate) << 10) +
                                   (low - kFirstLowSurrogate));
      at += 2;
    } else {
      out += static_cast<char32_t>(kReplacementCharacter);  // an unpaired surrogate
    }
  }
  if (size % 2 != 0) out += static_cast<char32_t>(kReplacementCharacter);
}

}  // namespace

UINT Windows1255ToUnicode(BYTE byte) {
  if (byte < kAsciiEnd) return byte;
  const WCHAR unit = kWindows1255High[byte - kAsciiEnd];
  return unit == kNone ? kReplacementCharacter : unit;
}

UINT Windows1252ToUnicode(BYTE byte) {
  if (byte < kAsciiEnd || byte >= kLatin1Start) return byte;
  const WCHAR unit = kWindows1252Controls[byte - kAsciiEnd];
  return unit == kNone ? kReplacementCharacter : unit;
}

bool UnicodeToWindows1252(UINT codePoint, BYTE& byte) {
  if (codePoint < kAsciiEnd || (codePoint >= kLatin1Start && codePoint < kLatin1End)) {
    byte = static_cast<BYTE>(codePoint);
    return true;
  }
  const WCHAR* found =
      std::find(std::begin(kWindows1252Controls), std::end(kWindows1252Controls), codePoint);
  if (found == std::end(kWindows1252Controls)) return false;
  byte = static_cast<BYTE>(kAsciiEnd + (found - std::begin(kWindows1252Controls)));
  return true;
}

BYTE Windows1252ToWindows1255(BYTE byte) {
  if (byte < kAsciiEnd || byte == kWindows1252CurrencySign) return byte;
  const WCHAR unit = static_cast<WCHAR>(Windows1252ToUnicode(byte));
  const WCHAR* found = std::find(std::begin(kWindows1255High), std::end(kWindows1255High), unit);
  if (found == std::end(kWindows1255High)) return '?';
  return static_cast<BYTE>(kAsciiEnd + (found - std::begin(kWindows1255High)));
}

WideString AnsiHebrewToUnicode(LPCSTR text) {
  const BYTE* in = BytesOf(text);
  const size_t length = std::strlen(text);
  WideString out(length, 0);
  for (size_t i = 0; i < length; ++i) out[i] = AnsiHebrewCharToUnicode(in[i]);
  return out;
}

int UnicodeCharToAnsi(UINT unit, BYTE (&bytes)[kMaxAnsiBytesPerChar]) {
  if (unit < kAsciiEnd) {
    bytes[0] = static_cast<BYTE>(unit);
    return 1;
  }
  if (unit >= kPresentationFormsStart && unit < kPresentationFormsEnd) {
    return PresentationFormToAnsi(unit, bytes);
  }
  return BasicHebrewToAnsi(unit, bytes);
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
    const WCHAR unit = AnsiHebrewCharToUnicode(in[i]);
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

std::u32string DecodeTextFile(const BYTE* data, size_t size) {
  std::u32string out;
  out.reserve(size);
  if (StartsWith(data, size, kUtf8Bom)) {
    DecodeUtf8(data + sizeof kUtf8Bom, size - sizeof kUtf8Bom, out);
  } else if (StartsWith(data, size, kUtf16LittleEndianBom)) {
    const size_t bom = sizeof kUtf16LittleEndianBom;
    DecodeUtf16(data + bom, size - bom, false, out);
  } else if (StartsWith(data, size, kUtf16BigEndianBom)) {
    const size_t bom = sizeof kUtf16BigEndianBom;
    DecodeUtf16(data + bom, size - bom, true, out);
  } else if (IsUtf8BeyondAscii(data, size)) {
    DecodeUtf8(data, size, out);
  } else {
    for (size_t at = 0; at < size; ++at) {
      out += static_cast<char32_t>(Windows1255ToUnicode(data[at]));
    }
  }
  out.erase(std::remove(out.begin(), out.end(), U'\0'), out.end());
  return out;
}

HeldChar HoldCharacter(UINT codePoint) {
  HeldChar held{TextScript::Neutral, 1, {}};
  if (codePoint == 0 || IsInvisibleFormatting(codePoint)) {
    held.script = TextScript::Dropped;
    held.length = 0;
    return held;
  }
  if (codePoint < kAsciiEnd) {
    held.bytes[0] = static_cast<BYTE>(codePoint);
    const bool letter =
        (codePoint >= 'A' && codePoint <= 'Z') || (codePoint >= 'a' && codePoint <= 'z');
    held.script = letter ? TextScript::Latin : TextScript::Neutral;
    return held;
  }
  if (codePoint == kMaqaf) {
    // The program's code has a maqaf of its own, apart from the hyphen.
    held.script = TextScript::Hebrew;
    held.bytes[0] = kAnsiMaqaf;
    return held;
  }
  const bool hebrew = (codePoint >= kHebrewBlockStart && codePoint < kHebrewBlockEnd) ||
                      (codePoint >= kPresentationFormsStart && codePoint < kPresentationFormsEnd) ||
                      codePoint == kOldFontMeteg || codePoint == kOldFontStressMeteg;
  if (hebrew) {
    held.length = UnicodeCharToAnsi(codePoint, held.bytes);
    held.script = held.length > 0 ? TextScript::Hebrew : TextScript::Dropped;
    return held;
  }
  held.script = TextScript::Latin;
  if (codePoint == kShekelSign) {
    held.bytes[0] = kWindows1252CurrencySign;
  } else if (!UnicodeToWindows1252(codePoint, held.bytes[0])) {
    held.bytes[0] = '?';
    held.script = TextScript::Neutral;
  }
  return held;
}
