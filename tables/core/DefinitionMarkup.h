// The definition mark-up shown under each grammar table: definitions split
// at ';', Hebrew words between '<' and '>' written in letter and vowel
// keywords or as a preposition's name, and the commands that copy them.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

// A Hebrew part as letters and one vowel code per letter (0 for none).
struct DefinitionHebrew {
  std::string letters;
  std::string vowels;
};

// The Hebrew a '<' ... '>' part stands for (the text between the marks):
// a preposition's pointed spelling when the text is one of the preposition
// names, otherwise the letters and vowels its keywords name. Unknown
// keywords give nothing.
DefinitionHebrew ParseHebrewMarkup(const std::string& text);

// 0 for an empty text, else the number of ';' plus one.
int CountDefinitions(const std::string& text);

// The copy commands: "Copy All Definitions" and one per definition after
// it. The range is the grammar views' own, so definitions past its end get
// no item rather than another command's id.
constexpr UINT kCopyAllDefinitionsCommand = 32850;
constexpr UINT kLastCopyDefinitionCommand = 32869;

struct DefinitionMenuItem {
  UINT command;
  std::string label;
};

// The items of the copy menu for a definition text; none for an empty one.
std::vector<DefinitionMenuItem> DefinitionCopyItems(const std::string& text);

// Which definitions a copy command exports (0 all, n the n-th), or -1 when
// the command is not a copy command.
int DefinitionsForCommand(UINT command);
