#include "lexicon/core/EntrySortKey.h"

#include <algorithm>

#include "hebtext/core/CollationKey.h"

namespace {

constexpr char kFirstKeyLetter = 'a';
constexpr char kLastKeyLetter = 'v';
constexpr int kDigitCount = 10;

int UpperAscii(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// The keyword character's bucket digit, or -1 where the digits stop.
int KeywordDigit(int c) {
  c = UpperAscii(c);
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + kDigitCount;
  return -1;
}

int WordDigit(int c) { return c >= kFirstKeyLetter && c <= kLastKeyLetter ? c - 'a' + 1 : -1; }

template <typename Digit>
DWORD BucketNumber(const char* key, DWORD base, int chars, Digit digit) {
  DWORD bucket = 0;
  bool stopped = false;
  for (int i = 0; i < chars; ++i) {
    const int d = stopped ? -1 : digit(static_cast<unsigned char>(key[i]));
    stopped = d < 0;
    bucket = bucket * base + (stopped ? 0 : d);
  }
  return bucket;
}

}  // namespace

void BuildEntrySortKey(const BYTE* letters, const BYTE* vowels, int count, EntrySortKey& key) {
  BuildLetterVowelKey(key.primary, kEntryKeySize, letters, vowels, count);
  VowelClassString(key.secondary, kEntryKeySize, vowels, count);
}

int CompareKeyText(const char* a, const char* b) {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != 0 && *x == *y) ++x, ++y;
  return (*x > *y) - (*x < *y);
}

int CompareEntrySortKeys(const EntrySortKey& a, const EntrySortKey& b) {
  const int primary = CompareKeyText(a.primary, b.primary);
  return primary != 0 ? primary : CompareKeyText(a.secondary, b.secondary);
}

int CompareEntryKeys(const BYTE* lettersA, const BYTE* vowelsA, int lengthA, const BYTE* lettersB,
                     const BYTE* vowelsB, int lengthB) {
  char a[kEntryKeySize];
  char b[kEntryKeySize];
  BuildLetterVowelKey(a, kEntryKeySize, lettersA, vowelsA, lengthA);
  BuildLetterVowelKey(b, kEntryKeySize, lettersB, vowelsB, lengthB);
  return CompareKeyText(a, b);
}

DWORD BucketNumber(const char* primaryKey) {
  return BucketNumber(primaryKey, kWordBucketBase, kWordBucketChars, WordDigit);
}

DWORD WordBucketNumber(const BYTE* letters, const BYTE* vowels, int count) {
  // The key is built letter by letter, so the key of the first letters
  // begins the whole key. A letter gives one or two key characters, or none
  // (a quote mark): letters are taken until the bucket's characters are in.
  char key[kWordBucketChars + 1] = {};
  int taken = 0;
  int length = 0;
  while (length < kWordBucketChars && taken < count) {
    taken = std::min(count, taken + kWordBucketChars);
    length = BuildLetterVowelKey(key, sizeof key, letters, vowels, taken);
  }
  return BucketNumber(key);
}

DWORD DefinitionBucketNumber(const char* keyword) {
  return BucketNumber(keyword, kDefinitionBucketBase, kDefinitionBucketChars, KeywordDigit);
}

int CompareKeywordTexts(const char* a, const char* b) {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != 0 && UpperAscii(*x) == UpperAscii(*y)) ++x, ++y;
  const int cx = UpperAscii(*x);
  const int cy = UpperAscii(*y);
  return (cx > cy) - (cx < cy);
}
