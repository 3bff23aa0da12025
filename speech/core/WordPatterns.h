// The prefix test, word-pattern lists and the syllable count shared by stress
// placement, transliteration, the vocal-shva test and the rewrite rules.
#pragma once

#include <initializer_list>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "speech/core/PronunciationOptions.h"
#include "speech/core/WordView.h"

// A fixed pointed word or ending: a zero-padded letter string and one vowel
// a letter. A list ends with a pattern whose first letter is 0.
struct WordPattern {
  BYTE letters[10];
  BYTE vowels[10];
};
static_assert(sizeof(WordPattern) == 20, "a word pattern is 20 bytes");

// A word list of the rules written as pointed Hebrew (a letter without a
// point has none), with the few entries that pointed UTF-8 cannot write
// given as patterns. A word the reader refuses, or one longer than a
// pattern holds, is a mistake in the list: the program stops on it.
class WordPatternList {
 public:
  WordPatternList(std::initializer_list<const char*> words,
                  std::initializer_list<WordPattern> patterns = {});
  // The patterns, ending with an empty one, for MatchWordPatternList.
  const WordPattern* Patterns() const { return m_patterns.data(); }

 private:
  std::vector<WordPattern> m_patterns;
};

// kind (1-4) when the zero-terminated word begins with a chain of exactly
// kind prefix letters (conjunction vav; bet, kaf, lamed; relative shin; the
// article; preposition mem) and goes on after it; else 0. strict accepts a
// prefix letter whatever its vowel.
int TestWordPrefix(const BYTE* letters, const BYTE* vowels, int kind, bool strict = false);

// Variant flags of MatchWordPatternList: which inflected forms of an entry
// are tried when the entry itself does not match.
enum PatternVariant : int {
  kVariantAll = 1,            // every form below
  kVariantIt = 2,             // -it
  kVariantIm = 4,             // -im, -iyim
  kVariantOtUt = 8,           // -ot, -ut
  kVariantVavVowelSwap = 16,  // -ot against -ut
};

// 1 when an entry of the list matches the word (last index n) at offset 0
// or behind a recognised prefix of 1 to 4 letters; *offset receives that
// offset (0 when nothing matched). With no offset the list never matches.
int MatchWordPatternList(const BYTE* letters, const BYTE* vowels, int n, const WordPattern* list,
                         int* offset, int variantFlags);

// The same test on a word view, for rules that need no offset.
bool MatchesWordList(const WordView& w, const WordPattern* list, int variantFlags = 0);

// The number of syllable digits ("0" and "1") of a phonetic text.
int CountStressDigits(const CString& pattern);
int CountStressDigits(LPCSTR pattern);

// Words ending in alef + yod (hiriq under the alef) whose -ai is not a
// diphthong ending.
const WordPattern* AiWords();
