#include "editor/core/RtfReader.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <limits>
#include <vector>

#include "editor/core/CharAttr.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

const char kHebrewProgramFace[] = "Pomlar David 2";
const char kHebrewCodedFaceMark[] = "(Hebrew)";  // in the names of Windows-1255 faces
const int kMapSize = 256;
const WORD kUnmapped = 0xFFFF;
const size_t kMaxKeywordLength = 32;
const int kMaxParameterDigits = 10;
const int kAnsiCharset = 0;         // \fcharset of a font in the document's code page (\ansicpg)
const int kDefaultCharset = 1;      // \fcharset that leaves the code page to the document
const int kHebrewCharset = 177;     // \fcharset of a font whose bytes are Windows-1255
const int kHebrewCodePage = 1255;   // \ansicpg of a document whose bytes are Windows-1255
const int kUnstated = -1;           // a charset or default font the RTF does not give
const int kSingleLineTwips = 240;   // \sl of one line under \slmult1
const BYTE kReplacementChar = '?';  // a \u character that has neither a byte nor a fallback
const UINT kLastAscii = 0x7F;

// Windows-1252 bytes of the typographic characters RTF names by control word.
namespace Cp1252 {
constexpr BYTE LeftSingleQuote = 0x91;
constexpr BYTE RightSingleQuote = 0x92;
constexpr BYTE LeftDoubleQuote = 0x93;
constexpr BYTE RightDoubleQuote = 0x94;
constexpr BYTE Bullet = 0x95;
constexpr BYTE EnDash = 0x96;
constexpr BYTE EmDash = 0x97;
}  // namespace Cp1252

// Paragraph alignments of RTF; the first three are also the program's (visual) ones.
enum Alignment { kAlignLeft, kAlignRight, kAlignCentre, kAlignJustified };

struct CharProps {
  int bold = 0, underline = 0, italic = 0;
  int font = 0, halfPoints = 0, textColor = 0, backColor = 0;
  int red = 0, green = 0, blue = 0;
  int unicodeSkip = 1;           // \ucN: fallback characters after each \u
  int fontCharset = kUnstated;  // of the font table entry being read
};
struct ParaProps {
  int leftIndent = 0, rightIndent = 0, firstIndent = 0, align = 0;
  int rightToLeft = 0;                  // \rtlpar, \ltrpar
  int lineTwips = 0, lineMultiple = 0;  // \sl, \slmult
};
struct SectProps {
  int columns = 1, columnGap = kRtfDefaultColumnGap, lineSpace = 0, wordSpace = 0, breakKind = 0, pageNumX = 0,
      pageNumY = 0, pageNumFormat = 0;
};
struct DocProps {
  int paperWidth = 0, paperHeight = 0, marginLeft = 0, marginTop = 0, marginRight = 0,
      marginBottom = 0, firstPage = 0, facing = 0, landscape = 0, codePage = 0,
      defaultFont = kUnstated;
};

enum Destination { kDestNormal, kDestFontTable, kDestColorTable, kDestSkip };
enum InputState { kStateNormal, kStateBinary, kStateHex };
enum KeywordKind { kKindChar, kKindLatinChar, kKindDest, kKindProp, kKindSpecial };

// How a byte's face is chosen. Bytes as written keep the current face, except Hebrew bytes of a
// Windows-1255 font; Hebrew from \u goes to the program's Hebrew face; Windows-1252 bytes that
// stand for other characters must not land in a face whose bytes are Hebrew.
enum class Script { kAsWritten, kHebrew, kLatin };

// What a font's bytes are, by its \fcharset: the document's code page, Windows-1255, or a code
// page of another script.
enum class FontCoding : BYTE { kDocument, kHebrew, kOther };

// clang-format off
enum Property {
  kPropBold, kPropUnderline, kPropItalic, kPropPlain, kPropFont, kPropFontSize, kPropTextColor,
  kPropBackColor, kPropRed, kPropGreen, kPropBlue, kPropLeftIndent, kPropRightIndent,
  kPropFirstIndent, kPropAlign, kPropColumns, kPropLineSpace, kPropWordSpace, kPropBreakKind,
  kPropPageNumX, kPropPageNumY, kPropPageNumFormat, kPropPaperWidth, kPropPaperHeight,
  kPropMarginLeft, kPropMarginRight, kPropMarginTop, kPropMarginBottom, kPropFirstPage,
  kPropFacing, kPropLandscape, kPropUnicodeSkip, kPropFontCharset, kPropCodePage,
  kPropDefaultFont, kPropColumnGap, kPropLineTwips, kPropLineMultiple, kPropParaDefaults,
  kPropSectDefaults, kPropRightToLeft, kPropCount
};
// clang-format on
enum Special { kSpecBin, kSpecHex, kSpecUnicode, kSpecSkipDest };
enum DestKeyword { kDestKwFontTable, kDestKwColorTable, kDestKwSkip };

struct Keyword {
  const char* name;
  int defaultValue;
  bool useDefault;
  KeywordKind kind;
  int index;
};

const Keyword kKeywords[] = {
    {"b", 1, false, kKindProp, kPropBold},
    {"ul", 1, false, kKindProp, kPropUnderline},
    {"i", 1, false, kKindProp, kPropItalic},
    {"plain", 1, false, kKindProp, kPropPlain},
    {"f", 1, false, kKindProp, kPropFont},
    {"fs", 1, false, kKindProp, kPropFontSize},
    {"cf", 1, false, kKindProp, kPropTextColor},
    {"cb", 1, false, kKindProp, kPropBackColor},
    {"red", 0, false, kKindProp, kPropRed},
    {"green", 0, false, kKindProp, kPropGreen},
    {"blue", 0, false, kKindProp, kPropBlue},
    {"li", 0, false, kKindProp, kPropLeftIndent},
    {"ri", 0, false, kKindProp, kPropRightIndent},
    {"fi", 0, false, kKindProp, kPropFirstIndent},
    {"ql", kAlignLeft, true, kKindProp, kPropAlign},
    {"qr", kAlignRight, true, kKindProp, kPropAlign},
    {"qc", kAlignCentre, true, kKindProp, kPropAlign},
    {"qj", kAlignJustified, true, kKindProp, kPropAlign},
    {"rtlpar", 1, true, kKindProp, kPropRightToLeft},
    {"ltrpar", 0, true, kKindProp, kPropRightToLeft},
    {"cols", 1, false, kKindProp, kPropColumns},
    {"xls", 0, false, kKindProp, kPropLineSpace},
    {"xws", 0, false, kKindProp, kPropWordSpace},
    {"sbknone", 0, true, kKindProp, kPropBreakKind},
    {"sbkcol", 1, true, kKindProp, kPropBreakKind},
    {"sbkeven", 2, true, kKindProp, kPropBreakKind},
    {"sbkodd", 3, true, kKindProp, kPropBreakKind},
    {"sbkpage", 4, true, kKindProp, kPropBreakKind},
    {"pgnx", 0, false, kKindProp, kPropPageNumX},
    {"pgny", 0, false, kKindProp, kPropPageNumY},
    {"pgndec", 0, true, kKindProp, kPropPageNumFormat},
    {"pgnucrm", 1, true, kKindProp, kPropPageNumFormat},
    {"pgnlcrm", 2, true, kKindProp, kPropPageNumFormat},
    {"pgnucltr", 3, true, kKindProp, kPropPageNumFormat},
    {"pgnlcltr", 4, true, kKindProp, kPropPageNumFormat},
    {"paperw", 12240, false, kKindProp, kPropPaperWidth},
    {"paperh", 15480, false, kKindProp, kPropPaperHeight},
    {"margl", 1800, false, kKindProp, kPropMarginLeft},
    {"margr", 1800, false, kKindProp, kPropMarginRight},
    {"margt", 1440, false, kKindProp, kPropMarginTop},
    {"margb", 1440, false, kKindProp, kPropMarginBottom},
    {"pgnstart", 1, true, kKindProp, kPropFirstPage},
    {"facingp", 1, true, kKindProp, kPropFacing},
    {"landscape", 1, true, kKindProp, kPropLandscape},
    {"uc", 1, false, kKindProp, kPropUnicodeSkip},
    {"fcharset", 0, false, kKindProp, kPropFontCharset},
    {"ansicpg", 0, false, kKindProp, kPropCodePage},
    {"deff", 0, false, kKindProp, kPropDefaultFont},
    {"colsx", kRtfDefaultColumnGap, false, kKindProp, kPropColumnGap},
    {"sl", 0, false, kKindProp, kPropLineTwips},
    {"slmult", 0, false, kKindProp, kPropLineMultiple},
    {"pard", 0, true, kKindProp, kPropParaDefaults},
    {"sectd", 0, true, kKindProp, kPropSectDefaults},
    {"bin", 0, false, kKindSpecial, kSpecBin},
    {"'", 0, false, kKindSpecial, kSpecHex},
    {"u", 0, false, kKindSpecial, kSpecUnicode},
    {"*", 0, false, kKindSpecial, kSpecSkipDest},
    {"page", HebCode::FormFeed, false, kKindChar, HebCode::FormFeed},
    {"par", HebCode::CarriageReturn, false, kKindChar, HebCode::CarriageReturn},
    {"line", HebCode::CarriageReturn, false, kKindChar, HebCode::CarriageReturn},
    {"tab", HebCode::Tab, false, kKindChar, HebCode::Tab},
    {"~", HebCode::Space, false, kKindChar, HebCode::Space},
    {"_", HebCode::Hyphen, false, kKindChar, HebCode::Hyphen},
    {"lquote", Cp1252::LeftSingleQuote, false, kKindLatinChar, Cp1252::LeftSingleQuote},
    {"rquote", Cp1252::RightSingleQuote, false, kKindLatinChar, Cp1252::RightSingleQuote},
    {"ldblquote", Cp1252::LeftDoubleQuote, false, kKindLatinChar, Cp1252::LeftDoubleQuote},
    {"rdblquote", Cp1252::RightDoubleQuote, false, kKindLatinChar, Cp1252::RightDoubleQuote},
    {"bullet", Cp1252::Bullet, false, kKindLatinChar, Cp1252::Bullet},
    {"endash", Cp1252::EnDash, false, kKindLatinChar, Cp1252::EnDash},
    {"emdash", Cp1252::EmDash, false, kKindLatinChar, Cp1252::EmDash},
    {"{", '{', false, kKindChar, '{'},
    {"}", '}', false, kKindChar, '}'},
    {"\\", '\\', false, kKindChar, '\\'},
    {"fonttbl", 0, false, kKindDest, kDestKwFontTable},
    {"colortbl", 0, false, kKindDest, kDestKwColorTable},
    {"author", 0, false, kKindDest, kDestKwSkip},
    {"buptim", 0, false, kKindDest, kDestKwSkip},
    {"comment", 0, false, kKindDest, kDestKwSkip},
    {"creatim", 0, false, kKindDest, kDestKwSkip},
    {"doccomm", 0, false, kKindDest, kDestKwSkip},
    {"footer", 0, false, kKindDest, kDestKwSkip},
    {"footerf", 0, false, kKindDest, kDestKwSkip},
    {"footerl", 0, false, kKindDest, kDestKwSkip},
    {"footerr", 0, false, kKindDest, kDestKwSkip},
    {"footnote", 0, false, kKindDest, kDestKwSkip},
    {"ftncn", 0, false, kKindDest, kDestKwSkip},
    {"ftnsep", 0, false, kKindDest, kDestKwSkip},
    {"ftnsepc", 0, false, kKindDest, kDestKwSkip},
    {"header", 0, false, kKindDest, kDestKwSkip},
    {"headerf", 0, false, kKindDest, kDestKwSkip},
    {"headerl", 0, false, kKindDest, kDestKwSkip},
    {"headerr", 0, false, kKindDest, kDestKwSkip},
    {"info", 0, false, kKindDest, kDestKwSkip},
    {"keywords", 0, false, kKindDest, kDestKwSkip},
    {"operator", 0, false, kKindDest, kDestKwSkip},
    {"pict", 0, false, kKindDest, kDestKwSkip},
    {"printim", 0, false, kKindDest, kDestKwSkip},
    {"private1", 0, false, kKindDest, kDestKwSkip},
    {"revtim", 0, false, kKindDest, kDestKwSkip},
    {"rxe", 0, false, kKindDest, kDestKwSkip},
    {"stylesheet", 0, false, kKindDest, kDestKwSkip},
    {"subject", 0, false, kKindDest, kDestKwSkip},
    {"tc", 0, false, kKindDest, kDestKwSkip},
    {"title", 0, false, kKindDest, kDestKwSkip},
    {"txe", 0, false, kKindDest, kDestKwSkip},
    {"xe", 0, false, kKindDest, kDestKwSkip},
};

bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
int HexValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsAnsiHebrew(BYTE c) {
  return IsAnsiHebrewLetter(c) || IsAnsiHebrewPoint(c) || IsAnsiMaqafOrSofPasuq(c);
}

// Faces whose bytes the program shows as Hebrew whatever the RTF says: its own, and the old
// Hebrew-coded faces named so.
bool IsHebrewShownFace(const CString& face) {
  return IsProgramHebrewFont(face) || face.Find(kHebrewCodedFaceMark) >= 0;
}

// HoldCharacter gives a character neither code page holds as a neutral '?' stand-in; the reader
// takes the RTF's fallback text for it instead.
bool IsHeldByNoCodePage(UINT unit, const HeldChar& held) {
  return held.script == TextScript::Neutral && unit > kLastAscii;
}

Script ScriptOf(TextScript script) {
  switch (script) {
    case TextScript::Hebrew: return Script::kHebrew;
    case TextScript::Latin: return Script::kLatin;
    default: return Script::kAsWritten;
  }
}

// The program's alignment is visual; RTF's in a right-to-left paragraph is logical: its left
// (and justified, and none) is the leading edge, shown right, and its right the trailing edge.
DWORD VisualAlignment(const ParaProps& para) {
  switch (para.align) {
    case kAlignCentre: return kAlignCentre;
    case kAlignRight: return para.rightToLeft ? kAlignLeft : kAlignRight;
    default: return para.rightToLeft ? kAlignRight : kAlignLeft;
  }
}

// The paragraph's line spacing as the program's extra percent of a line: the program's own
// \xls, else a multiple of single spacing (\sl with \slmult1) above one line.
int ExtraLineSpace(const ParaProps& para, int programSpace) {
  if (programSpace != 0) return programSpace;
  if (para.lineMultiple != 1 || para.lineTwips <= kSingleLineTwips) return 0;
  long long extra = (static_cast<long long>(para.lineTwips - kSingleLineTwips) * 100 +
                     kSingleLineTwips / 2) /
                    kSingleLineTwips;
  return static_cast<int>(std::min<long long>(extra, std::numeric_limits<WORD>::max()));
}

// One parse; all state starts afresh with each.
class RtfReader {
 public:
  explicit RtfReader(CRtfTables& tables) : m_t(tables) {
    for (WORD& entry : m_fontMap) entry = kUnmapped;
    for (WORD& entry : m_colorMap) entry = kUnmapped;
    for (FontCoding& entry : m_fontCoding) entry = FontCoding::kDocument;
  }
  int Parse();

 private:
  struct SavedState {
    CharProps chars;
    ParaProps para;
    SectProps sect;
    DocProps doc;
    Destination dest;
    InputState state;
  };
  // The characters written after a \u for readers that cannot take it.
  struct UnicodeFallback {
    int left = 0;         // still to come
    bool stands = false;  // they stand for the character, which has no byte of its own
    bool given = false;   // one of them has been taken
  };

  int PushState();
  int PopState();
  int ParseHexDigit(int c);
  int ParseKeyword();
  int TranslateKeyword(const std::string& keyword, int param, bool hasParam);
  int ApplyProperty(int prop, int value);
  int ChangeDestination(int which);
  int ParseSpecial(int which, int param, bool hasParam);
  int ParseUnicode(UINT unit);
  int EndFallback();
  int ParseControlChar(int c, Script script);
  int ParseChar(int c, Script script = Script::kAsWritten);
  int DestinationChar(int c, Script script);
  int OutputChar(BYTE c, Script script);
  DWORD ParagraphWord();
  CString FaceOfFont(int font) const;
  bool IsHebrewCoded(int font, const CString& face) const;
  CString LatinFace() const;
  CString FaceFor(BYTE c, Script script);
  void FontTableChar(int c);
  void ColorTableChar(int c);

  CRtfTables& m_t;
  CharProps m_chars;
  ParaProps m_para;
  SectProps m_sect;
  DocProps m_doc;
  Destination m_dest = kDestNormal;
  InputState m_state = kStateNormal;
  long long m_binaryLeft = 0;
  bool m_skipIfUnknown = false;
  UnicodeFallback m_fallback;
  std::vector<SavedState> m_stack;
  WORD m_fontMap[kMapSize];
  FontCoding m_fontCoding[kMapSize];
  WORD m_colorMap[kMapSize];
  int m_colorCount = 0;
  std::string m_faceName;
  int m_hexValue = 0;
  int m_hexDigits = 0;
};

int RtfReader::Parse() {
  int c;
  while ((c = m_t.GetByte()) >= 0) {
    int ec = kRtfOk;
    if (m_state == kStateBinary) {
      ec = ParseChar(c);
    } else if (c == '\n' || c == '\r') {
      continue;
    } else if (m_state == kStateHex) {
      ec = ParseHexDigit(c);
    } else if (c == '{') {
      ec = PushState();
    } else if (c == '}') {
      ec = PopState();
    } else if (c == '\\') {
      ec = ParseKeyword();
    } else {
      ec = ParseChar(c);
    }
    if (ec != kRtfOk) return ec;
  }
  if (m_state == kStateHex) return kRtfEndOfFile;
  int ec = EndFallback();
  if (ec != kRtfOk) return ec;
  return m_stack.empty() ? kRtfOk : kRtfUnmatchedBrace;
}

// A brace or backslash inside an escape is no hex digit either: the escape is refused rather
// than let a group boundary cut it in two.
int RtfReader::ParseHexDigit(int c) {
  int digit = HexValue(c);
  if (digit < 0) return kRtfInvalidHex;
  m_hexValue = m_hexValue * 16 + digit;
  if (++m_hexDigits < 2) return kRtfOk;
  m_state = kStateNormal;
  return ParseChar(m_hexValue);
}

// A group boundary ends the fallback of a \u, so that it never eats text beyond its group.
int RtfReader::PushState() {
  int ec = EndFallback();
  if (ec != kRtfOk) return ec;
  if (m_stack.size() >= static_cast<size_t>(kRtfMaxDepth)) return kRtfStackOverflow;
  m_stack.push_back(SavedState{m_chars, m_para, m_sect, m_doc, m_dest, m_state});
  m_state = kStateNormal;
  return kRtfOk;
}

int RtfReader::PopState() {
  int ec = EndFallback();
  if (ec != kRtfOk) return ec;
  if (m_stack.empty()) return kRtfStackUnderflow;
  const SavedState& saved = m_stack.back();
  m_chars = saved.chars;
  m_para = saved.para;
  m_sect = saved.sect;
  m_doc = saved.doc;
  m_dest = saved.dest;
  m_state = saved.state;
  m_stack.pop_back();
  return kRtfOk;
}

int RtfReader::ParseKeyword() {
  int c = m_t.GetByte();
  if (c < 0) return kRtfEndOfFile;
  std::string keyword;
  if (!IsLetter(c)) return TranslateKeyword(std::string(1, static_cast<char>(c)), 0, false);
  bool tooLong = false;
  for (; IsLetter(c); c = m_t.GetByte()) {
    if (keyword.size() < kMaxKeywordLength)
      keyword += static_cast<char>(c);
    else
      tooLong = true;
  }
  if (c < 0) return kRtfEndOfFile;
  bool negative = c == '-';
  if (negative) {
    c = m_t.GetByte();
    if (c < 0) return kRtfEndOfFile;
  }
  bool hasParam = IsDigit(c);
  long long param = 0;
  int digits = 0;
  for (; IsDigit(c); c = m_t.GetByte()) {
    // Digits beyond the limit are read over; the value saturates.
    if (++digits <= kMaxParameterDigits) param = param * 10 + (c - '0');
  }
  if (c < 0) return kRtfEndOfFile;
  if (c != ' ') m_t.UngetByte();
  if (negative) param = -param;
  if (param > INT_MAX) param = INT_MAX;
  if (param < -INT_MAX) param = -INT_MAX;
  if (tooLong) return kRtfOk;  // no keyword is that long
  return TranslateKeyword(keyword, static_cast<int>(param), hasParam);
}

int RtfReader::TranslateKeyword(const std::string& keyword, int param, bool hasParam) {
  for (const Keyword& entry : kKeywords) {
    if (keyword != entry.name) continue;
    m_skipIfUnknown = false;
    switch (entry.kind) {
      case kKindChar: return ParseControlChar(entry.index, Script::kAsWritten);
      case kKindLatinChar: return ParseControlChar(entry.index, Script::kLatin);
      case kKindDest: return ChangeDestination(entry.index);
      case kKindProp:
        return ApplyProperty(entry.index,
                             entry.useDefault || !hasParam ? entry.defaultValue : param);
      case kKindSpecial: return ParseSpecial(entry.index, param, hasParam);
    }
    return kRtfBadTable;
  }
  if (m_skipIfUnknown) m_dest = kDestSkip;
  m_skipIfUnknown = false;
  return kRtfOk;
}

int RtfReader::ApplyProperty(int prop, int value) {
  if (m_dest == kDestSkip) return kRtfOk;
  int* const fields[kPropCount] = {
      &m_chars.bold,       &m_chars.underline,    &m_chars.italic,     nullptr,
      &m_chars.font,       &m_chars.halfPoints,   &m_chars.textColor,  &m_chars.backColor,
      &m_chars.red,        &m_chars.green,        &m_chars.blue,       &m_para.leftIndent,
      &m_para.rightIndent, &m_para.firstIndent,   &m_para.align,       &m_sect.columns,
      &m_sect.lineSpace,   &m_sect.wordSpace,     &m_sect.breakKind,   &m_sect.pageNumX,
      &m_sect.pageNumY,    &m_sect.pageNumFormat, &m_doc.paperWidth,   &m_doc.paperHeight,
      &m_doc.marginLeft,   &m_doc.marginRight,    &m_doc.marginTop,    &m_doc.marginBottom,
      &m_doc.firstPage,    &m_doc.facing,         &m_doc.landscape,    &m_chars.unicodeSkip,
      &m_chars.fontCharset, &m_doc.codePage,      &m_doc.defaultFont,  &m_sect.columnGap,
      &m_para.lineTwips,   &m_para.lineMultiple,  nullptr,             nullptr,
      &m_para.rightToLeft,
  };
  if (prop < 0 || prop >= kPropCount) return kRtfBadTable;
  switch (prop) {
    case kPropPlain: {
      int skip = m_chars.unicodeSkip;
      m_chars = CharProps();
      m_chars.unicodeSkip = skip;
      return kRtfOk;
    }
    case kPropParaDefaults: m_para = ParaProps(); return kRtfOk;
    case kPropSectDefaults: {
      // \xls and \xws are the program's own words, not section properties.
      SectProps defaults;
      defaults.lineSpace = m_sect.lineSpace;
      defaults.wordSpace = m_sect.wordSpace;
      m_sect = defaults;
      return kRtfOk;
    }
    default: *fields[prop] = value; return kRtfOk;
  }
}

int RtfReader::ChangeDestination(int which) {
  if (m_dest == kDestSkip) return kRtfOk;
  switch (which) {
    case kDestKwFontTable: m_dest = kDestFontTable; break;
    case kDestKwColorTable: m_dest = kDestColorTable; break;
    default: m_dest = kDestSkip; break;
  }
  return kRtfOk;
}

int RtfReader::ParseSpecial(int which, int param, bool hasParam) {
  if (m_dest == kDestSkip && which != kSpecBin) return kRtfOk;
  switch (which) {
    case kSpecBin:
      // A count of 0 or less holds no data.
      if (hasParam && param > 0) {
        m_binaryLeft = param;
        m_state = kStateBinary;
      }
      return kRtfOk;
    case kSpecHex:
      m_state = kStateHex;
      m_hexValue = 0;
      m_hexDigits = 0;
      return kRtfOk;
    case kSpecUnicode:
      // \u takes a signed 16-bit value; negative ones stand for 65536 + n.
      return ParseUnicode(static_cast<unsigned>(param) & 0xFFFF);
    case kSpecSkipDest: m_skipIfUnknown = true; return kRtfOk;
    default: return kRtfBadTable;
  }
}

// The \ucN characters after a \u are its fallback: read over when the character has bytes of
// its own or is dropped (marks the program has no place for, direction marks), taken as its
// text when no code page holds it, '?' when that text is missing.
int RtfReader::ParseUnicode(UINT unit) {
  int ec = EndFallback();
  if (ec != kRtfOk) return ec;
  HeldChar held = HoldCharacter(unit);
  m_fallback.left = std::max(m_chars.unicodeSkip, 0);
  m_fallback.stands = IsHeldByNoCodePage(unit, held);
  if (!m_fallback.stands) {
    for (int i = 0; i < held.length && ec == kRtfOk; ++i)
      ec = DestinationChar(held.bytes[i], ScriptOf(held.script));
  }
  if (ec == kRtfOk && m_fallback.left == 0) ec = EndFallback();
  return ec;
}

int RtfReader::EndFallback() {
  UnicodeFallback ended = m_fallback;
  m_fallback = UnicodeFallback();
  return ended.stands && !ended.given ? DestinationChar(kReplacementChar, Script::kAsWritten)
                                      : kRtfOk;
}

// A character named by a control word (a break, a tab, a dash) ends a \u's fallback rather than
// being taken for it: writers give fallbacks as text or hex escapes.
int RtfReader::ParseControlChar(int c, Script script) {
  int ec = EndFallback();
  return ec == kRtfOk ? ParseChar(c, script) : ec;
}

int RtfReader::ParseChar(int c, Script script) {
  if (m_state == kStateBinary && --m_binaryLeft <= 0) m_state = kStateNormal;
  if (m_fallback.left > 0) {
    --m_fallback.left;
    if (!m_fallback.stands) return kRtfOk;
    m_fallback.given = true;
  }
  return DestinationChar(c, script);
}

int RtfReader::DestinationChar(int c, Script script) {
  switch (m_dest) {
    case kDestNormal: return OutputChar(static_cast<BYTE>(c), script);
    case kDestFontTable: FontTableChar(c); return kRtfOk;
    case kDestColorTable: ColorTableChar(c); return kRtfOk;
    case kDestSkip: return kRtfOk;
  }
  return kRtfAssertion;
}

void RtfReader::FontTableChar(int c) {
  if (c != ';') {
    if (m_faceName.size() < 255) m_faceName += static_cast<char>(c);
    return;
  }
  WORD index = m_t.AddLocalFontName(m_faceName.c_str());
  if (m_chars.font >= 0 && m_chars.font < kMapSize) {
    m_fontMap[m_chars.font] = index == kUnmapped ? 0 : index;
    int charset = m_chars.fontCharset;
    bool document = charset == kUnstated || charset == kAnsiCharset || charset == kDefaultCharset;
    m_fontCoding[m_chars.font] = document                     ? FontCoding::kDocument
                                 : charset == kHebrewCharset ? FontCoding::kHebrew
                                                             : FontCoding::kOther;
  }
  m_chars.fontCharset = kUnstated;  // entries need not have groups of their own
  m_faceName.clear();
}

void RtfReader::ColorTableChar(int c) {
  if (c != ';') return;
  // Colours beyond the map are defined but cannot be referred to.
  if (m_colorCount >= kMapSize) return;
  COLORREF color =
      (m_chars.red & 0xFF) | ((m_chars.green & 0xFF) << 8) | ((m_chars.blue & 0xFF) << 16);
  WORD index = m_t.AddLocalColor(color);
  m_colorMap[m_colorCount++] = index == kUnmapped ? 0 : index;
}

CString RtfReader::FaceOfFont(int font) const {
  LPCSTR local = m_t.GetLocalFontName(font >= 0 && font < kMapSize ? m_fontMap[font] : kUnmapped);
  return local ? local : "";
}

// A Hebrew \fcharset makes a font's bytes Windows-1255, and so does a Hebrew \ansicpg for a font
// in the document's code page (ANSI, default or no charset: Word writes its Hebrew so).
bool RtfReader::IsHebrewCoded(int font, const CString& face) const {
  if (face.Find(kHebrewCodedFaceMark) >= 0) return true;
  FontCoding coding = font >= 0 && font < kMapSize ? m_fontCoding[font] : FontCoding::kDocument;
  if (coding != FontCoding::kDocument) return coding == FontCoding::kHebrew;
  return m_doc.codePage == kHebrewCodePage;
}

// The face of Latin text beside Hebrew: the document's default font (\deff) when the program
// shows it as Latin, else the one the caller gives.
CString RtfReader::LatinFace() const {
  CString face = FaceOfFont(m_doc.defaultFont);
  return m_doc.defaultFont != kUnstated && !IsHebrewShownFace(face) ? face : m_t.latinFace;
}

CString RtfReader::FaceFor(BYTE c, Script script) {
  CString face = FaceOfFont(m_chars.font);
  bool hebrew = false;
  switch (script) {
    case Script::kAsWritten: hebrew = IsAnsiHebrew(c) && IsHebrewCoded(m_chars.font, face); break;
    case Script::kHebrew: hebrew = true; break;
    case Script::kLatin:
      if (IsHebrewShownFace(face)) return LatinFace();
      break;
  }
  if (!hebrew) return face;
  m_t.hebrewSeen = TRUE;
  return kHebrewProgramFace;
}

// The format of the paragraph the next character belongs to.
DWORD RtfReader::ParagraphWord() {
  DWORD para = VisualAlignment(m_para);
  int lineSpace = ExtraLineSpace(m_para, m_sect.lineSpace);
  if (lineSpace != 0) {
    WORD index = m_t.FindOrAddLineSpace(static_cast<WORD>(lineSpace));
    if (index != kRtfNoIndex)
      para = SetAttrField(para, LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask,
                          index);
  }
  return para;
}

int RtfReader::OutputChar(BYTE c, Script script) {
  using namespace CharAttrBits;
  // A paragraph takes the format in force at its end, as RTF defines it; a break opens the
  // next one.
  DWORD para = ParagraphWord();
  RtfColumns columns{m_sect.columns, m_sect.columnGap};
  if (m_t.paraFormats.empty()) {
    m_t.paraFormats.push_back(para);
    m_t.paraColumns.push_back(columns);
  }
  m_t.paraFormats.back() = para;
  m_t.paraColumns.back() = columns;
  if (c == HebCode::FormFeed || c == HebCode::CarriageReturn) {
    m_t.paraFormats.push_back(para);
    m_t.paraColumns.push_back(columns);
  }

  DWORD attr = 0;
  if (m_sect.wordSpace != 0) {
    WORD index = m_t.FindOrAddWordSpace(static_cast<WORD>(m_sect.wordSpace));
    if (index != kRtfNoIndex) attr = SetAttrField(attr, kWordSpaceShift, kWordSpaceMask, index);
  }
  if (m_chars.bold) attr |= 1u << 24;
  if (m_chars.italic) attr |= 1u << 25;
  if (m_chars.underline) attr |= 1u << 26;

  WORD index = m_t.FindOrAddFontName(FaceFor(c, script));
  if (index != kRtfNoIndex) attr = SetAttrField(attr, kFontShift, kFontMask, index);

  if (m_chars.halfPoints > 0) {
    int points = m_chars.halfPoints / 2 + (m_chars.halfPoints & 1);
    index = m_t.FindOrAddFontSize(static_cast<WORD>(points > 0xFFFE ? 0xFFFE : points));
    if (index != kRtfNoIndex) attr = SetAttrField(attr, kSizeShift, kSizeMask, index);
  }

  WORD colorIndex = m_chars.textColor >= 0 && m_chars.textColor < kMapSize
                        ? m_colorMap[m_chars.textColor]
                        : kUnmapped;
  index = m_t.FindOrAddTextColor(m_t.GetLocalColor(colorIndex));
  if (index != kRtfNoIndex) attr = SetAttrField(attr, kTextColorShift, kTextColorMask, index);

  if (m_chars.backColor != 0) {
    WORD backIndex = m_chars.backColor > 0 && m_chars.backColor < kMapSize
                         ? m_colorMap[m_chars.backColor]
                         : kUnmapped;
    index = m_t.FindOrAddBackColor(m_t.GetLocalColor(backIndex));
    if (index != kRtfNoIndex) attr = SetAttrField(attr, kBackColorShift, kBackColorMask, index);
  }
  m_t.AppendChar(c, attr);
  return kRtfOk;
}

}  // namespace

int RtfParse(CRtfTables& tables) { return RtfReader(tables).Parse(); }

UserMessage RtfParseErrorMessage(int code) {
  static const char kCaption[] = "RTF Parse";
  char text[64];
  std::snprintf(text, sizeof text, "error %d parsing rtf", code);
  return {text, kCaption};
}
