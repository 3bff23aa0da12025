#include "editor/core/RtfWriter.h"

#include <algorithm>
#include <cstdio>

#include "editor/core/CharAttr.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/MeasureUnits.h"
#include "hebtext/core/TextLines.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

const char* FamilyName(BYTE pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case 16: return "roman";
    case 32: return "swiss";
    case 48: return "modern";
    case 64: return "script";
    case 80: return "decor";
    default: return "nil";
  }
}

// Font table: the side's default face first, then every face in use.
std::string BuildFontTable(const ZultaDocData& doc, int side, std::vector<DWORD>& attrs,
                           IRtfFontInfo* fonts) {
  bool used[64] = {};
  for (DWORD attr : attrs) used[AttrFont(attr)] = true;
  std::vector<CString> faces{doc.sides[side].face};
  UINT position[64] = {};
  for (UINT i = 1; i < 64; ++i) {
    if (!used[i]) continue;
    position[i] = static_cast<UINT>(faces.size());
    faces.push_back(
        doc.FaceOf(side, SetAttrField(0, CharAttrBits::kFontShift, CharAttrBits::kFontMask, i)));
  }
  for (DWORD& attr : attrs)
    attr = SetAttrField(attr, CharAttrBits::kFontShift, CharAttrBits::kFontMask,
                        position[AttrFont(attr)]);
  std::string table;
  for (size_t i = 0; i < faces.size(); ++i)
    AppendRtfFontEntry(table, static_cast<unsigned>(i), faces[i], fonts);
  return table;
}

// Colour table: default text colour, text colours in use, default
// background, background colours in use. The positions are returned per
// character rather than folded into the 5-bit background field.
std::string BuildColorTable(const ZultaDocData& doc, int side, const std::vector<DWORD>& attrs,
                            std::vector<UINT>& textPos, std::vector<UINT>& backPos) {
  bool usedText[64] = {}, usedBack[32] = {};
  for (DWORD attr : attrs) {
    usedText[AttrTextColor(attr)] = true;
    usedBack[AttrBackColor(attr)] = true;
  }
  const ZultaSideData& s = doc.sides[side];
  std::vector<COLORREF> list{s.colors[0]};
  UINT textMap[64] = {}, backMap[32] = {};
  for (int i = 1; i < 64; ++i) {
    if (!usedText[i]) continue;
    textMap[i] = static_cast<UINT>(list.size());
    list.push_back(i < doc.styles.textColors.GetSize() ? doc.styles.textColors[i] : s.colors[0]);
  }
  backMap[0] = static_cast<UINT>(list.size());
  list.push_back(s.colors[1]);
  for (int i = 1; i < 32; ++i) {
    if (!usedBack[i]) continue;
    backMap[i] = static_cast<UINT>(list.size());
    list.push_back(i < doc.styles.backColors.GetSize() ? doc.styles.backColors[i] : s.colors[1]);
  }
  textPos.resize(attrs.size());
  backPos.resize(attrs.size());
  for (size_t i = 0; i < attrs.size(); ++i) {
    textPos[i] = textMap[AttrTextColor(attrs[i])];
    backPos[i] = backMap[AttrBackColor(attrs[i])];
  }
  std::string table;
  for (COLORREF color : list) AppendRtfColor(table, color);
  return table;
}

struct FormatKey {
  UINT text, back, face, size, style, align, lineSpace, wordSpace;
  bool operator==(const FormatKey& o) const {
    return text == o.text && back == o.back && face == o.face && size == o.size &&
           style == o.style && align == o.align && lineSpace == o.lineSpace &&
           wordSpace == o.wordSpace;
  }
};

void AppendEscaped(std::string& out, BYTE c) {
  switch (c) {
    case 9: out += "\\tab "; return;
    case 12: out += "\\page "; return;
    case 13: out += "\\par "; return;
    case '\\': out += "\\\\"; return;
    case '{': out += "\\{"; return;
    case '}': out += "\\}"; return;
    default: break;
  }
  if (c < 32) {
    AppendRtfNumber(out, "\\'%02x", c);
    return;
  }
  out += static_cast<char>(c);
}

constexpr unsigned kSingleLineTwips = 240;  // \slN\slmult1 counts lines in 240ths

// The extra line space in percent: the program's own \xls, and for other
// readers the same as a multiple of single spacing.
void AppendLineSpace(std::string& body, unsigned extraPercent) {
  AppendRtfNumber(body, "\\xls%u", extraPercent);
  AppendRtfNumber(body, "\\sl%u\\slmult1", kSingleLineTwips * (100 + extraPercent) / 100);
}

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMaxGutterTwips = 32767.0;  // RTF readers take 16-bit measures

// A column section's settings, at the top level between the text groups so
// that they last until the next section; \sect ends the one before.
void AppendSectionStart(std::string& body, const ZultaSectionRun& run, bool firstLine) {
  if (!firstLine) body += "\\sect";
  body += "\\sectd";
  if (run.columns > 1) {
    double inches = run.unit == kUnitMillimetres ? InchMmConvert(run.gapInUnit, run.unit)
                                                 : run.gapInUnit;
    AppendRtfNumber(body, "\\cols%u", run.columns);
    double twips = std::clamp(inches * kTwipsPerInch, 0.0, kMaxGutterTwips) + 0.5;
    AppendRtfNumber(body, "\\colsx%u", static_cast<unsigned>(twips));
  }
  body += " ";
}

std::string BuildBody(const ZultaDocData& doc, int side, const std::string& text,
                      const std::vector<DWORD>& attrs, const std::vector<DWORD>& paraFormats,
                      const std::vector<UINT>& textPos, const std::vector<UINT>& backPos) {
  std::string body = "\\plain ";
  size_t nextPara = 0;
  UINT align = 0, lineSpace = 0;
  auto takeNextFormat = [&]() {
    if (nextPara >= paraFormats.size()) return;
    DWORD para = paraFormats[nextPara++];
    align = FormatAlign(para);
    lineSpace = FormatLineSpace(para);
  };
  bool open = false;
  const std::vector<ZultaSectionRun>& sections = doc.sides[side].sections;
  size_t line = 0, nextSection = 0;
  auto startLine = [&]() {
    takeNextFormat();
    const ZultaSectionRun* run = nullptr;
    while (nextSection < sections.size() && sections[nextSection].lineIndex <= line)
      run = &sections[nextSection++];
    if (run == nullptr) return;
    if (open) body += "}";
    open = false;
    AppendSectionStart(body, *run, line == 0);
  };
  FormatKey last{};
  startLine();
  for (size_t i = 0; i < text.size(); ++i) {
    BYTE c = static_cast<BYTE>(text[i]);
    DWORD attr = attrs[i];
    FormatKey key{textPos[i],      backPos[i], AttrFont(attr), AttrSize(attr),
                  AttrStyle(attr), align,      lineSpace,      AttrWordSpace(attr)};
    if (!open || !(key == last)) {
      if (open) body += "}";
      open = true;
      last = key;
      UINT size = key.size != 0 && key.size < static_cast<UINT>(doc.styles.fontSizes.GetSize())
                      ? doc.styles.fontSizes[key.size]
                      : doc.sides[side].pointSize;
      AppendRtfNumber(body, "{\\f%u", key.face);
      AppendRtfNumber(body, "\\fs%u", size * 2);
      if (key.wordSpace) AppendRtfNumber(body, "\\xws%u", doc.styles.GetWordSpace(key.wordSpace));
      AppendRtfNumber(body, "\\cf%u", key.text);
      AppendRtfNumber(body, "\\cb%u", key.back);
      if (key.style & 2) body += "\\i";
      if (key.style & 1) body += "\\b";
      if (key.style & 4) body += "\\ul";
      if (key.align == 1) body += "\\qr";
      if (key.align == 2) body += "\\qc";
      if (key.lineSpace) AppendLineSpace(body, doc.styles.GetLineSpace(key.lineSpace));
      body += " ";
    }
    AppendEscaped(body, c);
    // RTF gives a paragraph the format in effect at the break that ends it,
    // so a break is written with its line's format and the next line's
    // format and section start after it.
    if (c == 12 || c == 13) {
      ++line;
      startLine();
    }
  }
  if (open) body += "}";
  return body;
}

}  // namespace

void AppendRtfNumber(std::string& out, const char* format, unsigned value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

void AppendRtfFontEntry(std::string& out, unsigned number, LPCSTR face, IRtfFontInfo* fonts) {
  BYTE pitchAndFamily = 0, charSet = 0;
  if (!fonts || !fonts->GetFontInfo(face, pitchAndFamily, charSet)) pitchAndFamily = charSet = 0;
  AppendRtfNumber(out, "{\\f%u", number);
  out += "\\f";
  out += FamilyName(pitchAndFamily);
  AppendRtfNumber(out, "\\fcharset%u ", charSet);
  out += face;
  out += ";}";
}

void AppendRtfColor(std::string& out, COLORREF color) {
  AppendRtfNumber(out, "\\red%u", color & 0xFF);
  AppendRtfNumber(out, "\\green%u", (color >> 8) & 0xFF);
  AppendRtfNumber(out, "\\blue%u;", (color >> 16) & 0xFF);
}

void ConvertRunsToAnsi(const ZultaDocData& doc, int side, std::string& out,
                       const std::string& letters, const std::vector<BYTE>& points,
                       std::vector<DWORD>& attrs, VavOrder vavOrder) {
  std::vector<DWORD> expanded;
  out.clear();
  out.reserve(letters.size() * 2);
  expanded.reserve(letters.size() * 2);
  DWORD lastAttr = 0;
  BOOL hebrew = FALSE, tested = FALSE;
  int bareLetterBefore = 0;  // a Hebrew-face character without a vowel
  CString sequence;
  for (size_t i = 0; i < letters.size(); ++i) {
    BYTE letter = static_cast<BYTE>(letters[i]);
    DWORD attr = i < attrs.size() ? attrs[i] : 0;
    if (!tested || attr != lastAttr) {
      hebrew = doc.IsHebrewFontAttr(side, attr);
      lastAttr = attr;
      tested = TRUE;
    }
    size_t before = out.size();
    BYTE point = i < points.size() ? points[i] : 0;
    if (hebrew) {
      InternalCharToAnsi(letter, sequence, vavOrder);
      out.append(sequence, sequence.GetLength());
      if (!IsShuruk(letter) && !IsNoVowel(point)) {
        InternalCharToAnsi(point, sequence, vavOrder);
        if (NeedsHolamForVav(bareLetterBefore, letter, point, vavOrder)) UseHolamForVav(sequence);
        out.append(sequence, sequence.GetLength());
      }
    } else {
      out += static_cast<char>(letter);
    }
    bareLetterBefore = hebrew && IsNoVowel(point) ? letter : 0;
    expanded.insert(expanded.end(), out.size() - before, attr);
  }
  attrs.swap(expanded);
}

void BuildRtf(const ZultaDocData& doc, int side, CString& out, const std::string& text,
              std::vector<DWORD>& attrs, const std::vector<DWORD>& paraFormats,
              IRtfFontInfo* fonts) {
  attrs.resize(text.size());
  std::string fontTable = BuildFontTable(doc, side, attrs, fonts);
  std::vector<UINT> textPos, backPos;
  std::string colorTable = BuildColorTable(doc, side, attrs, textPos, backPos);
  std::string rtf = "{\\rtf\\ansi\\deflang1037\\deff0{\\fonttbl" + fontTable + "}{\\colortbl" +
                    colorTable + "}" +
                    BuildBody(doc, side, text, attrs, paraFormats, textPos, backPos) + "}";
  out = CString(rtf.data(), static_cast<int>(rtf.size()));
}

void ExportSideText(const ZultaDocData& doc, int side, CString& out, int mode,
                    IRtfFontInfo* fonts) {
  const ZultaSideData& s = doc.sides[side];
  std::vector<DWORD> attrs = s.attrs;
  std::string text;
  ConvertRunsToAnsi(doc, side, text, s.letters, s.points, attrs, kVavThenHolam);
  if (mode == 1) {
    BuildRtf(doc, side, out, text, attrs, s.lineFormats, fonts);
    return;
  }
  // The text file is in code page 1255; the other faces hold code page 1252.
  BOOL hebrew = FALSE;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || attrs[i] != attrs[i - 1]) hebrew = doc.IsHebrewFontAttr(side, attrs[i]);
    if (!hebrew) {
      text[i] = static_cast<char>(Windows1252ToWindows1255(static_cast<BYTE>(text[i])));
    }
  }
  out = CString(text.data(), static_cast<int>(text.size()));
  CrToCrLf(out);
}

void ReverseLines(std::string& text, std::vector<BYTE>& points, std::vector<DWORD>& attrs) {
  points.resize(text.size());
  attrs.resize(text.size());
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    std::reverse(text.begin() + start, text.begin() + end);
    std::reverse(points.begin() + start, points.begin() + end);
    std::reverse(attrs.begin() + start, attrs.begin() + end);
    start = end + 1;
  }
}
