#include "tables/core/DefinitionExport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "classlib/core/CString.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/TextLines.h"
#include "tables/core/DefinitionMarkup.h"

namespace {

constexpr BYTE kFamilyMask = 0xF0;
constexpr BYTE kFamilyRoman = 0x10;
constexpr BYTE kFamilySwiss = 0x20;
constexpr BYTE kFamilyModern = 0x30;
constexpr BYTE kFamilyScript = 0x40;
constexpr BYTE kFamilyDecorative = 0x50;

constexpr int kHalfPoints = 28;  // 14-point text
constexpr int kEnglishFont = 0;
constexpr int kHebrewFont = 1;
constexpr int kEnglishColour = 1;  // black
constexpr int kHebrewColour = 2;   // blue
constexpr unsigned char kFirstEscapedByte = 0x80;
constexpr int kFullIntensity = 255;
constexpr const char* kColourEntry = "\\red%d\\green%d\\blue%d;";

std::string Format(const char* format, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

// RTF text: its control characters escaped and every byte outside ASCII
// written as a hex escape, so that no text can end a group or start a
// control word.
std::string RtfText(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else if (byte >= kFirstEscapedByte) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

std::string FontEntry(int index, const RtfFontInfo& font) {
  char number[16];
  std::snprintf(number, sizeof number, "%d", index);
  char charSet[16];
  std::snprintf(charSet, sizeof charSet, "%d", font.charSet);
  return std::string("{\\f") + number + "\\f" + RtfFamilyKeyword(font.pitchAndFamily) +
         "\\fcharset" + charSet + " " + RtfText(font.faceName) + ";}";
}

std::string FontSwitch(int font, int colour) {
  return Format("{\\f%d\\fs%d\\cf%d ", font, kHalfPoints, colour);
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitDefinitions(const std::string& markup) {
  std::vector<std::string> definitions;
  if (markup.empty()) return definitions;
  size_t start = 0;
  for (;;) {
    const size_t end = markup.find(';', start);
    definitions.push_back(Trimmed(markup.substr(start, end - start)));
    if (end == std::string::npos) return definitions;
    start = end + 1;
  }
}

// The merged pointed form of a Hebrew part, in logical or visual order.
std::string HebrewText(const std::string& keywords, bool visual) {
  const DefinitionHebrew word = ParseHebrewMarkup(keywords);
  CString text;
  MergeLettersAndVowels(text, reinterpret_cast<const BYTE*>(word.letters.data()),
                        reinterpret_cast<const BYTE*>(word.vowels.data()),
                        static_cast<int>(word.letters.size()));
  if (visual) ReverseTextLines(text, TRUE);
  return std::string(text, text.GetLength());
}

// One definition's plain text and RTF body; a '<' without '>' drops the rest.
void ExportDefinition(const std::string& definition, std::string& plain, std::string& rtf) {
  const std::string englishSwitch = FontSwitch(kEnglishFont, kEnglishColour);
  size_t at = 0;
  while (at < definition.size()) {
    const size_t open = definition.find('<', at);
    std::string english = definition.substr(at, open - at);
    english.erase(std::remove(english.begin(), english.end(), '&'), english.end());
    plain += english;
    rtf += RtfText(english);
    if (open == std::string::npos) break;
    const size_t close = definition.find('>', open + 1);
    if (close == std::string::npos) break;
    const std::string keywords = definition.substr(open + 1, close - open - 1);
    plain += HebrewText(keywords, false);
    rtf += "}" + FontSwitch(kHebrewFont, kHebrewColour) + RtfText(HebrewText(keywords, true)) +
           "}" + englishSwitch;
    at = close + 1;
  }
}

}  // namespace

const char* RtfFamilyKeyword(BYTE pitchAndFamily) {
  switch (pitchAndFamily & kFamilyMask) {
    case kFamilyRoman: return "roman";
    case kFamilySwiss: return "swiss";
    case kFamilyModern: return "modern";
    case kFamilyDecorative: return "decor";
    case kFamilyScript: return "script";
    default: return "nil";
  }
}

ExportedDefinitions ExportDefinitions(const std::string& markup, int which,
                                      const RtfFontInfo& english, const RtfFontInfo& hebrew) {
  const std::vector<std::string> definitions = SplitDefinitions(markup);
  const int count = static_cast<int>(definitions.size());
  const bool numbered = which == 0 && count >= 2;
  std::string plain;
  bool firstLine = true;
  std::string body = "\\plain" + FontSwitch(kEnglishFont, kEnglishColour);
  for (int k = 1; k <= count; ++k) {
    if (which != 0 && which != k) continue;
    std::string line;
    if (numbered) {
      line = std::to_string(k) + ". ";
      body += line;
    }
    ExportDefinition(definitions[static_cast<size_t>(k - 1)], line, body);
    body += "\\par ";
    if (!firstLine) plain += "\r\n";
    plain += line;
    firstLine = false;
  }
  body += "}";
  ExportedDefinitions result;
  result.plainText = plain;
  result.rtf = "{\\rtf\\ansi\\deff0{\\fonttbl" + FontEntry(kEnglishFont, english) +
               FontEntry(kHebrewFont, hebrew) + "}{\\colortbl;" + Format(kColourEntry, 0, 0, 0) +
               Format(kColourEntry, 0, 0, kFullIntensity) + "}" + body + "}";
  return result;
}
