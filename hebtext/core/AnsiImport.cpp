#include "hebtext/core/AnsiImport.h"

#include <algorithm>
#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/ProgressDlgInterface.h"

int IsAnsiHebrewLetter(int c) {
  c &= 0xFF;
  return c >= AnsiCode::Alef && c <= AnsiCode::Tav;
}

int IsAnsiHebrewPoint(int c) {
  c &= 0xFF;
  return (c >= AnsiCode::Shva && c <= AnsiCode::Meteg) || c == AnsiCode::ShinDot ||
         c == AnsiCode::SinDot;
}

int IsAnsiMaqafOrSofPasuq(int c) {
  c &= 0xFF;
  return c == AnsiCode::Maqaf || c == AnsiCode::SofPasuq;
}

int ClassifyAnsiMark(int c, int next) {
  c &= 0xFF;
  next &= 0xFF;
  if (c == AnsiCode::Meteg) return kAnsiMeteg;
  if (IsAnsiHebrewPoint(c)) return kAnsiPoint;
  if (c == AnsiCode::Vav && (next == AnsiCode::Holam || next == AnsiCode::Dagesh)) {
    return kVavVowel;
  }
  return kNotAMark;
}

namespace {

bool IsAnsiVowelPoint(char c) {
  const BYTE b = static_cast<BYTE>(c);
  return b >= AnsiCode::Shva && b < AnsiCode::Dagesh;
}

bool IsDageshOrDot(char c) {
  const BYTE b = static_cast<BYTE>(c);
  return b == AnsiCode::Dagesh || b == AnsiCode::ShinDot || b == AnsiCode::SinDot;
}

// Writes the marks of one base (the letter, or a vav that is a vowel) with
// its dagesh and dot first, each group in its own order.
void AppendMarksInImportOrder(std::string& out, std::string marks) {
  std::stable_partition(marks.begin(), marks.end(), IsDageshOrDot);
  out += marks;
}

}  // namespace

void NormalizeMarkOrder(CString& text) {
  const BYTE* in = BytesOf(text);
  const int length = text.GetLength();
  std::string out;
  out.reserve(length);
  int i = 0;
  while (i < length) {
    const BYTE c = in[i++];
    out += static_cast<char>(c);
    if (!IsAnsiHebrewLetter(c)) continue;
    std::string marks;
    bool meteg = false;
    while (i < length) {
      const int next = i + 1 < length ? in[i + 1] : 0;
      const int kind = ClassifyAnsiMark(in[i], next);
      if (kind == kNotAMark) break;
      if (kind == kAnsiMeteg) {
        meteg = true;
        ++i;
      } else if (kind == kAnsiPoint) {
        marks += static_cast<char>(in[i++]);
      } else if (std::any_of(marks.begin(), marks.end(), IsAnsiVowelPoint)) {
        break;  // the letter has its vowel: the vav is a consonant, a letter of its own
      } else {
        // The vav is a base of its own: the marks after it are its.
        AppendMarksInImportOrder(out, marks);
        out += static_cast<char>(in[i++]);
        marks.assign(1, static_cast<char>(in[i++]));
      }
    }
    AppendMarksInImportOrder(out, marks);
    if (meteg) out += static_cast<char>(AnsiCode::Meteg);
  }
  AssignBytes(text, out);
}

namespace {

// Code page 1255 punctuation that the program's code holds only as the ASCII
// character it looks like; the other bytes that are not Hebrew have no place
// in it.
struct AsciiLookAlike {
  BYTE ansi;
  char ascii;
};
constexpr AsciiLookAlike kAsciiLookAlikes[] = {
    {0x82, '\''}, {0x84, '"'}, {0x88, '^'}, {0x8B, '<'}, {0x91, '\''}, {0x92, '\''},
    {0x93, '"'},  {0x94, '"'}, {0x96, '-'}, {0x97, '-'}, {0x98, '~'},  {0x9B, '>'},
    {0xA0, ' '},  {0xAB, '"'}, {0xBB, '"'},
};
constexpr BYTE kEllipsis = 0x85;
constexpr BYTE kFirstNonAscii = 0x80;

ImportAction ImportNonHebrew(int c, BYTE& code) {
  for (const AsciiLookAlike& a : kAsciiLookAlikes) {
    if (a.ansi == c) {
      code = static_cast<BYTE>(a.ascii);
      return ImportAction::Append;
    }
  }
  return ImportAction::Drop;
}

ImportAction ImportHolam(int prev, int prev2, VavOrder vavOrder, BYTE& code) {
  // Only after a letter without a vowel are vav and holam that letter's
  // holam male; after a vowel (or shva), or at a word's start, the vav is a
  // consonant with a holam of its own.
  if (prev == HebCode::Vav && IsHebrewLetter(prev2) && vavOrder != kHolamThenVav) {
    code = HebCode::HolamMale;
    return ImportAction::ReplaceLast;
  }
  code = HebCode::Holam;
  return ImportAction::Append;
}

ImportAction ImportDagesh(int prev, int next, int prev2, BYTE& code) {
  if (prev == HebCode::Vav) {
    // A vav with dagesh that carries a vowel is a consonant; else it is a shuruk.
    code = IsVowelCode(next) || IsVowelCode(prev2) ? HebCode::VavDagesh : HebCode::Shuruk;
    return ImportAction::ReplaceLast;
  }
  if (IsDageshableLetter(prev)) {
    code = static_cast<BYTE>(AddDagesh(prev));
    return ImportAction::ReplaceLast;
  }
  return ImportAction::Drop;
}

ImportAction ImportMeteg(int prev, BYTE& code) {
  if (!IsStressableVowel(prev)) return ImportAction::Drop;
  code = static_cast<BYTE>(AddStressMark(prev));
  return ImportAction::ReplaceLast;
}

ImportAction ImportShinDot(int prev, BYTE onShin, BYTE onShinDagesh, BYTE& code) {
  if (prev == HebCode::Shin) {
    code = onShin;
  } else if (prev == HebCode::ShinDagesh) {
    code = onShinDagesh;
  } else {
    return ImportAction::Drop;
  }
  return ImportAction::ReplaceLast;
}

ImportAction ImportVav(int prev, int prev2, VavOrder vavOrder, BYTE& code) {
  if (vavOrder == kHolamThenVav && IsHolamForm(prev) &&
      (IsStressedVowel(prev) || !IsVowelCode(prev2))) {
    // The holam written before this vav was its vowel: together a holam male.
    code = IsStressedVowel(prev) ? HebCode::StressedHolamMale : HebCode::HolamMale;
    return ImportAction::ReplaceLast;
  }
  code = HebCode::Vav;
  return ImportAction::Append;
}

}  // namespace

ImportAction ConvertImportedChar(int c, const ImportNeighbours& neighbours, VavOrder vavOrder,
                                 BYTE& code) {
  c &= 0xFF;
  const int prev = neighbours.prev & 0xFF;
  const int prev2 = neighbours.prev2 & 0xFF;
  const int next = neighbours.next & 0xFF;
  switch (c) {
    case '\n': return ImportAction::Drop;
    case AnsiCode::Holam: return ImportHolam(prev, prev2, vavOrder, code);
    case AnsiCode::HolamForVav: code = HebCode::Holam; return ImportAction::Append;
    case AnsiCode::Dagesh: return ImportDagesh(prev, next, prev2, code);
    case AnsiCode::Meteg: return ImportMeteg(prev, code);
    case AnsiCode::Maqaf: code = HebCode::Maqaf; return ImportAction::Append;
    case AnsiCode::ShinDot:
      return ImportShinDot(prev, HebCode::ShinShinDot, HebCode::ShinShinDotDagesh, code);
    case AnsiCode::SinDot:
      return ImportShinDot(prev, HebCode::ShinSinDot, HebCode::ShinSinDotDagesh, code);
    case AnsiCode::SofPasuq: code = HebCode::SofPasuq; return ImportAction::Append;
    case AnsiCode::Geresh: code = HebCode::Geresh; return ImportAction::Append;
    case AnsiCode::Gershayim: code = HebCode::Gershayim; return ImportAction::Append;
    case AnsiCode::Vav: return ImportVav(prev, prev2, vavOrder, code);
    default:
      // Letters, the other points and ASCII stand for themselves.
      if (c >= kFirstNonAscii && !IsAnsiHebrewLetter(c) && !IsAnsiHebrewPoint(c)) {
        return ImportNonHebrew(c, code);
      }
      code = static_cast<BYTE>(c);
      return ImportAction::Append;
  }
}

namespace {

// The bytes that stand for more than one code written out: the Yiddish
// ligatures as their two letters, the ellipsis as three dots.
std::string ExpandMultiCodeBytes(const CString& text) {
  std::string out;
  out.reserve(text.GetLength());
  for (const BYTE c : BytesString(text)) {
    switch (c) {
      case AnsiCode::DoubleVav: out += {char(AnsiCode::Vav), char(AnsiCode::Vav)}; break;
      case AnsiCode::VavYod: out += {char(AnsiCode::Vav), char(AnsiCode::Yod)}; break;
      case AnsiCode::DoubleYod: out += {char(AnsiCode::Yod), char(AnsiCode::Yod)}; break;
      case kEllipsis: out += "..."; break;
      default: out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

void ConvertImportedText(CString& text, VavOrder vavOrder) {
  const std::string expanded = ExpandMultiCodeBytes(text);
  const BYTE* in = reinterpret_cast<const BYTE*>(expanded.data());
  const int length = static_cast<int>(expanded.size());
  if (!BeginLongOperation("Converting Imported Text", length)) return;
  std::string out;
  out.reserve(length);
  int prev = 0;
  int prev2 = 0;
  for (int i = 0; i < length; ++i) {
    if (!ContinueLongOperation(i)) {
      text.Empty();
      return;
    }
    const int next = i + 1 < length ? in[i + 1] : 0;
    BYTE code = 0;
    const ImportAction action = ConvertImportedChar(in[i], {prev2, prev, next}, vavOrder, code);
    prev2 = prev;
    if (action == ImportAction::Drop) continue;
    if (action == ImportAction::Append) {
      out += static_cast<char>(code);
    } else if (!out.empty()) {
      out.back() = static_cast<char>(code);
    }
    prev = code;
  }
  AssignBytes(text, out);
}
