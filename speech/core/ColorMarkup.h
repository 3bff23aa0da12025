// The colour mark-up of the reference texts (the letter and vowel
// descriptions and the reading tutorial's explanations), read into tokens
// for the windows that draw them word by word:
//   "#" hex       the colour (0xRRGGBB as written) of letters and points
//   "#L" hex      the colour of the letters only
//   "#V" hex      the colour of the points only; any other letter that is not
//                 a hex digit stands for V too, as the tutorial writes it
//   $ ... $       a pointed Hebrew run in the program's code; blanks inside
//                 do not break it
//   blank         ends a word; newline ends a line; tab indents
// A colour's hex digits end at the first other character; one blank after
// them belongs to the mark. A "#" without hex digits is an ordinary word.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

enum class MarkupTokenKind { kWord, kHebrew, kColor, kNewLine, kTab };
enum class MarkupColorTarget { kBoth, kLetters, kPoints };

struct MarkupToken {
  MarkupTokenKind kind;
  std::string text;                                     // kWord and kHebrew
  MarkupColorTarget target = MarkupColorTarget::kBoth;  // kColor
  COLORREF color = 0;                                   // kColor

  bool operator==(const MarkupToken& other) const {
    return kind == other.kind && text == other.text && target == other.target &&
           color == other.color;
  }
};

std::vector<MarkupToken> TokenizeMarkup(const std::string& text);
