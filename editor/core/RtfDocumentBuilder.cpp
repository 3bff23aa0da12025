#include "editor/core/RtfDocumentBuilder.h"

#include <string>

namespace {

char Capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

CRtfTables2::CRtfTables2() {
  faces.Add(CString());
  colors.push_back(0xFFFFFFFF);
}

const CString& CRtfTables2::BuildRtfDocument(LPCSTR text, const RtfDocumentOptions& opts,
                                             const RtfTextStyle& stressed,
                                             const RtfTextStyle& normal, IRtfFontInfo* fonts) {
  options = opts;
  stressedStyle = stressed;
  normalStyle = normal;

  std::string fontTable;
  const CString wanted[3] = {CString(), normal.face, stressed.face};
  for (UINT i = 0; i < 3; ++i) {
    int found = -1;
    for (int f = 0; f < faces.GetSize() && found < 0; ++f)
      if (faces[f].CompareNoCase(wanted[i]) == 0) found = f;
    if (found < 0) {
      found = static_cast<int>(faces.Add(wanted[i]));
      AppendRtfFontEntry(fontTable, i, wanted[i], fonts);
    }
    fontIndex[i] = static_cast<UINT>(found);
  }

  // A colour is written only when it is added, so that the written
  // positions and the indices the body uses stay the same.
  std::string colorTable;
  const COLORREF slots[5] = {normal.textColor, stressed.textColor, normal.backColor,
                             stressed.backColor, opts.pageBackColor};
  for (int i = 0; i < 5; ++i) {
    size_t found = 0;
    while (found < colors.size() && colors[found] != slots[i]) ++found;
    if (found == colors.size()) {
      colors.push_back(slots[i]);
      AppendRtfColor(colorTable, slots[i]);
    }
    colorIndex[i] = static_cast<UINT>(found);
  }

  std::string body = "\\plain";
  if (opts.extraWordSpace) AppendRtfNumber(body, "\\xws%u", opts.extraWordSpace);
  // Ends the control word, which would otherwise take in the first letters.
  body += " ";
  bool open = false;
  const RtfTextStyle* current = &normal;
  auto openGroup = [&](const RtfTextStyle& style, UINT face, UINT text, UINT back) {
    if (open) body += "}";
    open = true;
    current = &style;
    AppendRtfNumber(body, "{\\f%u", face);
    AppendRtfNumber(body, "\\fs%u", style.pointSize * 2u);
    AppendRtfNumber(body, "\\cf%u", text);
    if (back) AppendRtfNumber(body, "\\cb%u", back);
    if (style.style & 2) body += "\\i";
    if (style.style & 1) body += "\\b";
    if (style.style & 4) body += "\\ul";
    body += " ";
  };
  bool sentenceStart = true, wordStart = true, lineStart = true;
  for (const char* p = text; *p; ++p) {
    char c = *p;
    switch (c) {
      case ' ':
        body += c;
        wordStart = true;
        continue;
      case '!':
      case '.':
      case ':':
      case ';':
      case '?':
        body += c;
        sentenceStart = true;
        continue;
      case '*':
        if (!wordStart && opts.hyphenateStress) body += "-";
        openGroup(stressed, fontIndex[2], colorIndex[1], colorIndex[3]);
        continue;
      case '-':
        openGroup(normal, fontIndex[1], colorIndex[0], colorIndex[2]);
        if (!wordStart && opts.hyphenateStress) body += "-";
        continue;
      case '\t': body += "\\tab "; continue;
      case '\n': lineStart = true; continue;
      case '\r':
        lineStart = true;
        body += "\\par ";
        continue;
      default: break;
    }
    bool capital;
    if (sentenceStart) {
      capital = current->allCapitals || opts.capitalizeWords || opts.capitalizeLines;
      sentenceStart = false;
    } else if (!wordStart && !lineStart) {
      capital = current->allCapitals != FALSE;
    } else {
      capital = current->allCapitals || (opts.capitalizeWords && wordStart) ||
                (opts.capitalizeLines && lineStart);
    }
    wordStart = lineStart = false;
    if (capital) c = Capital(c);
    if (c == '\\' || c == '{' || c == '}') body += '\\';
    body += c;
  }
  if (open) body += "}";
  std::string rtf =
      "{\\rtf\\ansi\\deff0{\\fonttbl" + fontTable + "}{\\colortbl;" + colorTable + "}" + body + "}";
  result = CString(rtf.data(), static_cast<int>(rtf.size()));
  return result;
}

RtfTextStyle RtfStyleOf(const TranslitTextStyle& style) {
  RtfTextStyle rtf;
  rtf.allCapitals = style.allUpperCase != 0;
  rtf.textColor = style.textColor;
  rtf.backColor = style.backColor;
  rtf.pointSize = style.pointSize;
  rtf.style = style.style;
  rtf.face = style.face;
  return rtf;
}

RtfDocumentOptions RtfOptionsOf(const TranslitWordSettings& word) {
  RtfDocumentOptions options;
  options.capitalizeWords = word.capitalizeWords != 0;
  options.capitalizeLines = word.capitalizeLines != 0;
  options.hyphenateStress = word.syllableHyphens != 0;
  options.pageBackColor = word.background;
  options.extraWordSpace = word.extraWordSpacing;
  return options;
}
