// Pointed Hebrew for the editor benchmarks, as the key map gives it: words of
// 2 to 6 letters, most with a vowel, in paragraphs that end with a break.
#pragma once

#include <random>
#include <vector>

#include "editor/core/DocNodes.h"
#include "hebtext/core/KeyMapping.h"

namespace bench {

struct PointedChar {
  BYTE letter;
  BYTE point;
};

// The keys of the letters that are not final forms, and of the vowel points.
constexpr char kHebrewLetterKeys[] = "abcdefghjkmnpqrstuvwxyz";
constexpr char kHebrewVowelKeys[] = "]-/'\"`\\?";
// Words as typed: letters, their vowels and the space after the word.
constexpr char kHebrewTypedKeys[] = "s]c]r t-j]s ";

inline std::vector<BYTE> MapHebrewKeys(const char* keys) {
  std::vector<BYTE> codes;
  for (const char* k = keys; *k != '\0'; k++)
    codes.push_back(static_cast<BYTE>(MapKeyToHebrew(static_cast<BYTE>(*k), FALSE)));
  return codes;
}

// Appends one paragraph of the given length, its break included.
inline void AppendPointedParagraph(std::mt19937& rng, size_t length,
                                   std::vector<PointedChar>& text) {
  static const std::vector<BYTE> letterCodes = MapHebrewKeys(kHebrewLetterKeys);
  static const std::vector<BYTE> vowelCodes = MapHebrewKeys(kHebrewVowelKeys);
  size_t end = text.size() + length - 1;
  while (text.size() < end) {
    int letters = 2 + static_cast<int>(rng() % 5);
    for (int i = 0; i < letters && text.size() < end; i++) {
      BYTE letter = letterCodes[rng() % letterCodes.size()];
      BYTE point = rng() % 4 == 0 ? 0 : vowelCodes[rng() % vowelCodes.size()];
      text.push_back({letter, point});
    }
    if (text.size() < end) text.push_back({kLetterSpace, 0});
  }
  text.push_back({kLetterLineBreak, 0});
}

}  // namespace bench
