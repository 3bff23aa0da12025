// The definitions copied to the clipboard: plain text, and an RTF document
// with the English in one font and the Hebrew, in visual order, in another.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

// What the RTF font table says of a font: its pitch-and-family byte and
// character set as the device reports them, and its face name.
struct RtfFontInfo {
  BYTE pitchAndFamily;
  BYTE charSet;
  const char* faceName;
};

constexpr const char* kRtfEnglishFace = "Times New Roman";
constexpr const char* kRtfHebrewFace = "Pomlar Sephardi 2";

struct ExportedDefinitions {
  std::string plainText;  // one definition a line, CR LF between lines
  std::string rtf;
};

// The RTF family keyword of a pitch-and-family byte ("roman", "swiss", ...,
// "nil" for any other family).
const char* RtfFamilyKeyword(BYTE pitchAndFamily);

// Exports definition mark-up: all definitions (which 0, numbered when there
// are two or more) or only the which-th (nothing when there is no such).
ExportedDefinitions ExportDefinitions(const std::string& markup, int which,
                                      const RtfFontInfo& english, const RtfFontInfo& hebrew);
