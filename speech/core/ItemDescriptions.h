// The letter and vowel descriptions: for each of the 48 described items
// (letters, vowel points, dagesh and meteg, in the program's code) its
// names, place in the alphabet, sounds and example words, and the paragraphs
// the descriptions dialog paints, composed from the program's paragraph
// templates. Compiled from data/descriptions.txt.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

constexpr size_t kDescriptionBufferSize = 4096;  // a composed description and its terminator
constexpr int kMaxDescriptionExamples = 6;

struct DescriptionExample {
  int position;         // of the described letter in the word, from 0
  std::string word;     // pointed, in the program's code
  std::string meaning;  // English
};

struct ItemDescription {
  std::vector<std::string> hebrewNames;   // one, or two: with dagesh and without
  std::vector<std::string> englishNames;  // in the same order
  std::string ordinal;                    // "2nd"; empty for vowels and marks
  // A sound and an English word that has it, one pair a name; none for a
  // silent item.
  std::vector<std::string> sounds;
  std::vector<DescriptionExample> examples;  // none, three or six
  std::vector<std::string> paragraphs;       // the item's own, after the composed ones
};

// The description's fields as stored: '|'-separated (Hebrew names, English
// names, ordinal, sounds, then each example as its position digit, the word,
// '@' and the meaning; names and sounds '*'-separated); nullptr for a code
// without a description.
const char* GetItemDescriptionText(int code);

// False, with the description cleared, for a code without one.
bool GetItemDescription(int code, ItemDescription& description);

// The description's paragraphs with the colour mark-up, '\n' between them,
// at most kDescriptionBufferSize - 1 bytes; "" for a code without one.
std::string ComposeDescription(int code);

// The template with each %s replaced by the next argument and each %c by the
// first byte of the next; a conversion without an argument takes nothing,
// "%%" gives '%'. The result is appended to out and cut at limit bytes.
void AppendFormatted(std::string& out, size_t limit, const char* format,
                     std::initializer_list<std::string> args);
