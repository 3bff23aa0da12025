#include "lexicon/core/LookupSearch.h"

#include "lexicon/core/WordFormSearch.h"

namespace {
constexpr BYTE kPrefixMark = '+';
}  // namespace

bool SearchLookupWord(LookupData& data, const HebWordRec& typed, LookupResults& results) {
  SearchHitList found;
  if (!FindWordForms(data, typed, found, kLookupBarSearch) &&
      !FindWordFormsRetry(data, typed, found, kLookupBarRetry))
    return false;
  SortSearchHits(data, found);
  results.hits = found.Hits();
  results.word = typed;
  return true;
}

int PrefixedHitWord(const HebWordRec& typed, int prefixLength, const BYTE* letters,
                    const BYTE* vowels, BYTE* outLetters, BYTE* outVowels, int capacity) {
  int length = 0;
  const auto put = [&](BYTE letter, BYTE vowel) {
    if (length >= capacity - 1) return;
    outLetters[length] = letter;
    outVowels[length] = vowel;
    ++length;
  };
  if (prefixLength > 0) {
    for (int i = 0; i < prefixLength && typed.letters[i] != 0; ++i)
      put(typed.letters[i], typed.vowels[i]);
    put(kPrefixMark, 0);
  }
  for (int i = 0; letters[i] != 0; ++i) put(letters[i], vowels[i]);
  outLetters[length] = 0;
  outVowels[length] = 0;
  return length;
}
