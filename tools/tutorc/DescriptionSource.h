// The letter and vowel descriptions' source, data/descriptions.txt: the
// paragraph templates the descriptions are composed from, and one block a
// described item.
//
//   template <name> "text"      a paragraph template; %s and %c take the
//                               item's names, sounds and letters
//   item <item>                 the item (as the tutorial writes items)
//     names <hebrew> [<hebrew>] its Hebrew name, or the two names of a letter
//                               with and without dagesh (pointed Unicode)
//     english <name> [<name>]   the English names in the same order
//     ordinal <text>            its place in the alphabet (letters only)
//     sounds <sound> "<word>"   a sound and an English word that has it;
//                               one pair a name, or none for a silent item
//     example <word> "meaning"  0, 3 or 6 pointed examples with meanings (a
//                               word of two quoted)
//     paragraph "text"          the item's own paragraphs, in order
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "tools/grammarc/SourceReader.h"

constexpr char kDescriptionSource[] = "descriptions.txt";

struct DescriptionTemplate {
  std::string name;  // lower-case words joined by '-'
  std::string text;  // in the program's code, with the mark-up
};

struct ItemDescriptionSource {
  BYTE code = 0;
  // The fields, '|'-separated: Hebrew names, English names, ordinal,
  // sounds, then the examples as <letter position><word>@<meaning>.
  std::string fields;
  std::string paragraphs;  // one a line
};

struct CompiledDescriptions {
  std::vector<DescriptionTemplate> templates;
  std::vector<ItemDescriptionSource> items;  // in code order
};

// Throws SourceError ("<displayName>:<line>: <what>") on a mistake.
CompiledDescriptions CompileDescriptions(const std::string& path, const std::string& displayName);
