#include "tables/core/DefinitionMarkup.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/GrammarKeywords.h"
#include "tables/core/PrepositionSpellings.h"

namespace {

constexpr char kDefinitionSeparator = ';';

// The names in the order of the simple preposition table; the last two are
// spelled by builders of their own.
constexpr const char* kPrepositionNames[] = {
    "ET",    "B",    "L",       "MIN",     "AL",      "IM",      "EL",     "NEGED",   "ETSEL",
    "AD",    "B-AD", "AKHAREY", "LIFNEY",  "BIFNEY",  "AL-YDEY", "MIPNEY", "K-NEGED", "AL-PNEY",
    "BEYN",  "K",    "TAKHAT",  "L-TOKH",  "MINEGED", "AKHAR",   "MEYIM",  "MEYAL",   "MEYAKHAREY",
    "MEYET", "SHEL", "KLAPEY",  "LI-YDEY", "B-TOKH",  "L-VEYN",  "LIKRAT"};
static_assert(sizeof(kPrepositionNames) / sizeof(kPrepositionNames[0]) ==
                  kSimplePrepositionCount + 2,
              "every simple preposition has a name, then the two built apart");

constexpr int kLVeynSecondPart = 5;  // le-veyn is the second part of beyn ... le-veyn
constexpr int kLikratFurther = 2;
// A vowel written before any letter stands on this letter.
constexpr BYTE kVowelCarrier = HebCode::Bet;

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i]))
      return false;
  return i == a.size() && !b[i];
}

PrepositionWord NamedPreposition(int index) {
  if (index < kSimplePrepositionCount) return SimplePreposition(index);
  if (index == kSimplePrepositionCount) return CompoundSecondPart(kLVeynSecondPart);
  return FurtherPreposition(kLikratFurther);
}

bool IsKeywordChar(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '\'' || c == '"';
}

void AddKeyword(DefinitionHebrew& word, const std::string& keyword) {
  if (const int letter = LookupLetterKeyword(keyword.c_str())) {
    word.letters += static_cast<char>(letter);
    word.vowels += static_cast<char>(HebCode::NoVowel);
    return;
  }
  int vowel = LookupVowelKeyword(keyword.c_str());
  if (!vowel) return;
  if (vowel == HebCode::ExplicitNoVowel) vowel = HebCode::NoVowel;
  if (word.letters.empty()) {
    // A shuruk is a letter of its own (the vav); any other vowel needs one.
    const bool shuruk = IsShuruk(vowel);
    word.letters += static_cast<char>(shuruk ? vowel : kVowelCarrier);
    word.vowels += static_cast<char>(shuruk ? HebCode::NoVowel : vowel);
    return;
  }
  word.vowels.back() = static_cast<char>(vowel);
}

}  // namespace

DefinitionHebrew ParseHebrewMarkup(const std::string& text) {
  DefinitionHebrew word;
  const int nameCount = static_cast<int>(sizeof(kPrepositionNames) / sizeof(kPrepositionNames[0]));
  for (int i = 0; i < nameCount; ++i) {
    if (!EqualsIgnoringCase(text, kPrepositionNames[i])) continue;
    const PrepositionWord spelling = NamedPreposition(i);
    word.letters.assign(reinterpret_cast<const char*>(spelling.letters), spelling.length);
    word.vowels.assign(reinterpret_cast<const char*>(spelling.vowels), spelling.length);
    return word;
  }
  std::string keyword;
  for (const char c : text + ' ') {
    if (IsKeywordChar(c)) {
      keyword += c;
    } else if (!keyword.empty()) {
      AddKeyword(word, keyword);
      keyword.clear();
    }
  }
  return word;
}

int CountDefinitions(const std::string& text) {
  if (text.empty()) return 0;
  return static_cast<int>(std::count(text.begin(), text.end(), kDefinitionSeparator)) + 1;
}

std::vector<DefinitionMenuItem> DefinitionCopyItems(const std::string& text) {
  std::vector<DefinitionMenuItem> items;
  const int count = CountDefinitions(text);
  if (count < 1) return items;
  if (count > 1) items.push_back({kCopyAllDefinitionsCommand, "Copy All Definitions"});
  const int lastItem =
      std::min(count, static_cast<int>(kLastCopyDefinitionCommand - kCopyAllDefinitionsCommand));
  for (int k = 1; k <= lastItem; ++k) {
    char label[32];
    std::snprintf(label, sizeof label, "Copy Definition %d", k);
    items.push_back({kCopyAllDefinitionsCommand + k, count == 1 ? "Copy Definition" : label});
  }
  return items;
}

int DefinitionsForCommand(UINT command) {
  if (command < kCopyAllDefinitionsCommand || command > kLastCopyDefinitionCommand) return -1;
  return static_cast<int>(command - kCopyAllDefinitionsCommand);
}
