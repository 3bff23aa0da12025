#include "editor/core/RtfReader.h"

#include <climits>
#include <cstring>
#include <vector>

#include "editor/core/CharAttr.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

const char kHebrewProgramFace[] = "Pomlar David 2";
const int kMapSize = 256;
const WORD kUnmapped = 0xFFFF;
const size_t kMaxKeywordLength = 32;
const int kMaxParameterDigits = 10;

struct CharProps {
  int bold = 0, underline = 0, italic = 0;
  int font = 0, halfPoints = 0, textColor = 0, backColor = 0;
  int red = 0, green = 0, blue = 0;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \u
};
struct ParaProps {
  int leftIndent = 0, rightIndent = 0, firstIndent = 0, align = 0;
};
struct SectProps {
  int columns = 0, lineSpace = 0, wordSpace = 0, breakKind = 0, pageNumX = 0, pageNumY = 0,
      pageNumFormat = 0;
};
struct DocProps {
  int paperWidth = 0, paperHeight = 0, marginLeft = 0, marginTop = 0, marginRight = 0,
      marginBottom = 0, firstPage = 0, facing = 0, landscape = 0;
};

enum Destination { kDestNormal, kDestFontTable, kDestColorTable, kDestSkip };
enum InputState { kStateNormal, kStateBinary, kStateHex, kStateUnicode };
enum KeywordKind { kKindChar, kKindDest, kKindProp, kKindSpecial };

// clang-format off
enum Property {
  kPropBold, kPropUnderline, kPropItalic, kPropPlain, kPropFont, kPropFontSize, kPropTextColor,
  kPropBackColor, kPropRed, kPropGreen, kPropBlue, kPropLeftIndent, kPropRightIndent,
  kPropFirstIndent, kPropAlign, kPropColumns, kPropLineSpace, kPropWordSpace, kPropBreakKind,
  kPropPageNumX, kPropPageNumY, kPropPageNumFormat, kPropPaperWidth, kPropPaperHeight,
  kPropMarginLeft, kPropMarginRight, kPropMarginTop, kPropMarginBottom, kPropFirstPage,
  kPropFacing, kPropLandscape, kPropUnicodeSkip, kPropCount
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
    {"ql", 0, true, kKindProp, kPropAlign},
    {"qr", 1, true, kKindProp, kPropAlign},
    {"qc", 2, true, kKindProp, kPropAlign},
    {"qj", 3, true, kKindProp, kPropAlign},
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
    {"bin", 0, false, kKindSpecial, kSpecBin},
    {"'", 0, false, kKindSpecial, kSpecHex},
    {"u", 0, false, kKindSpecial, kSpecUnicode},
    {"*", 0, false, kKindSpecial, kSpecSkipDest},
    {"page", 12, false, kKindChar, 12},
    {"par", 13, false, kKindChar, 13},
    {"tab", 9, false, kKindChar, 9},
    {"ldblquote", 34, false, kKindChar, 34},
    {"rdblquote", 34, false, kKindChar, 34},
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

// One parse; all state starts afresh with each.
class RtfReader {
 public:
  explicit RtfReader(CRtfTables& tables) : m_t(tables) {
    for (WORD& entry : m_fontMap) entry = kUnmapped;
    for (WORD& entry : m_colorMap) entry = kUnmapped;
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

  int PushState();
  int PopState();
  int ParseKeyword();
  int TranslateKeyword(const std::string& keyword, int param, bool hasParam);
  int ApplyProperty(int prop, int value);
  int ChangeDestination(int which);
  int ParseSpecial(int which, int param, bool hasParam);
  int ParseChar(int c);
  int OutputChar(BYTE c);
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
  int m_unicodeSkipLeft = 0;  // fallback characters still to drop after \u
  bool m_fromUnicode = false;
  std::vector<SavedState> m_stack;
  WORD m_fontMap[kMapSize];
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
    } else if (c == '{') {
      ec = PushState();
    } else if (c == '}') {
      ec = PopState();
    } else if (c == '\\') {
      ec = ParseKeyword();
    } else if (c == '\n' || c == '\r') {
      continue;
    } else if (m_state == kStateNormal) {
      ec = ParseChar(c);
    } else if (m_state == kStateHex) {
      int digit = HexValue(c);
      if (digit < 0) return kRtfInvalidHex;
      m_hexValue = m_hexValue * 16 + digit;
      if (++m_hexDigits == 2) {
        m_state = kStateNormal;
        ec = ParseChar(m_hexValue);
      }
    } else {
      return kRtfAssertion;
    }
    if (ec != kRtfOk) return ec;
  }
  return m_stack.empty() ? kRtfOk : kRtfUnmatchedBrace;
}

int RtfReader::PushState() {
  if (m_stack.size() >= static_cast<size_t>(kRtfMaxDepth)) return kRtfStackOverflow;
  m_stack.push_back(SavedState{m_chars, m_para, m_sect, m_doc, m_dest, m_state});
  m_state = kStateNormal;
  return kRtfOk;
}

int RtfReader::PopState() {
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
      case kKindChar: return ParseChar(entry.index);
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
      &m_chars.bold,       &m_chars.underline,    &m_chars.italic,    nullptr,
      &m_chars.font,       &m_chars.halfPoints,   &m_chars.textColor, &m_chars.backColor,
      &m_chars.red,        &m_chars.green,        &m_chars.blue,      &m_para.leftIndent,
      &m_para.rightIndent, &m_para.firstIndent,   &m_para.align,      &m_sect.columns,
      &m_sect.lineSpace,   &m_sect.wordSpace,     &m_sect.breakKind,  &m_sect.pageNumX,
      &m_sect.pageNumY,    &m_sect.pageNumFormat, &m_doc.paperWidth,  &m_doc.paperHeight,
      &m_doc.marginLeft,   &m_doc.marginRight,    &m_doc.marginTop,   &m_doc.marginBottom,
      &m_doc.firstPage,    &m_doc.facing,         &m_doc.landscape,   &m_chars.unicodeSkip,
  };
  if (prop < 0 || prop >= kPropCount) return kRtfBadTable;
  if (prop == kPropPlain) {
    int skip = m_chars.unicodeSkip;
    m_chars = CharProps();
    m_chars.unicodeSkip = skip;
    return kRtfOk;
  }
  *fields[prop] = value;
  return kRtfOk;
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
    case kSpecUnicode: {
      // \u takes a signed 16-bit value; negative ones stand for 65536 + n.
      unsigned unit = static_cast<unsigned>(param) & 0xFFFF;
      BYTE bytes[2];
      int count = UnicodeCharToAnsi(unit, bytes);
      int ec = kRtfOk;
      if (count > 0) {
        m_t.hebrewSeen = TRUE;
        m_fromUnicode = true;
        ec = ParseChar(bytes[0]);
        m_fromUnicode = false;
      }
      m_unicodeSkipLeft = m_chars.unicodeSkip > 0 ? m_chars.unicodeSkip : 0;
      return ec;
    }
    case kSpecSkipDest: m_skipIfUnknown = true; return kRtfOk;
    default: return kRtfBadTable;
  }
}

int RtfReader::ParseChar(int c) {
  if (m_state == kStateBinary && --m_binaryLeft <= 0) m_state = kStateNormal;
  if (m_unicodeSkipLeft > 0 && !m_fromUnicode) {
    --m_unicodeSkipLeft;
    return kRtfOk;
  }
  switch (m_dest) {
    case kDestNormal: return OutputChar(static_cast<BYTE>(c));
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
  if (m_chars.font >= 0 && m_chars.font < kMapSize)
    m_fontMap[m_chars.font] = index == kUnmapped ? 0 : index;
  m_faceName.clear();
}

void RtfReader::ColorTableChar(int c) {
  if (c != ';') return;
  COLORREF color =
      (m_chars.red & 0xFF) | ((m_chars.green & 0xFF) << 8) | ((m_chars.blue & 0xFF) << 16);
  WORD index = m_t.AddLocalColor(color);
  // Colours beyond the map are defined but cannot be referred to.
  if (m_colorCount < kMapSize) m_colorMap[m_colorCount] = index == kUnmapped ? 0 : index;
  ++m_colorCount;
}

int RtfReader::OutputChar(BYTE c) {
  using namespace CharAttrBits;
  DWORD para = (m_para.align == 1 || m_para.align == 2) ? static_cast<DWORD>(m_para.align) : 0;
  if (m_sect.lineSpace != 0) {
    WORD index = m_t.FindOrAddLineSpace(static_cast<WORD>(m_sect.lineSpace));
    if (index != kRtfNoIndex)
      para = SetAttrField(para, LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask,
                          index);
  }
  if (c == 12 || c == 13 || m_t.text.empty()) m_t.paraFormats.push_back(para);

  DWORD attr = 0;
  if (m_sect.wordSpace != 0) {
    WORD index = m_t.FindOrAddWordSpace(static_cast<WORD>(m_sect.wordSpace));
    if (index != kRtfNoIndex) attr = SetAttrField(attr, kWordSpaceShift, kWordSpaceMask, index);
  }
  if (m_chars.bold) attr |= 1u << 24;
  if (m_chars.italic) attr |= 1u << 25;
  if (m_chars.underline) attr |= 1u << 26;

  WORD fontIndex =
      m_chars.font >= 0 && m_chars.font < kMapSize ? m_fontMap[m_chars.font] : kUnmapped;
  LPCSTR local = m_t.GetLocalFontName(fontIndex);
  CString face = local ? local : "";
  if ((m_fromUnicode || face.Find("(Hebrew)") >= 0) &&
      (IsAnsiHebrewLetter(c) || IsAnsiHebrewPoint(c) || IsAnsiMaqafOrSofPasuq(c))) {
    m_t.hebrewSeen = TRUE;
    face = kHebrewProgramFace;
  }
  WORD index = m_t.FindOrAddFontName(face);
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
