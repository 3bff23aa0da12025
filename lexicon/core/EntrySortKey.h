// The one order of the word and definition databases. The build sorts by it
// and the search bisects by it, so both take their keys here: the same key
// length, compared byte by byte whatever the machine's locale.
#pragma once

#include "classlib/core/WinTypes.h"

// Room for the key of the longest word record with its terminator.
constexpr int kEntryKeySize = 128;

// A word's collation key (BuildLetterVowelKey) and the sound classes of its
// vowels (VowelClassString), each zero-terminated.
struct EntrySortKey {
  char primary[kEntryKeySize];
  char secondary[kEntryKeySize];
};

void BuildEntrySortKey(const BYTE* letters, const BYTE* vowels, int count, EntrySortKey& key);

// strcmp's sign over unsigned bytes.
int CompareKeyText(const char* a, const char* b);
// By the primary key, then the secondary.
int CompareEntrySortKeys(const EntrySortKey& a, const EntrySortKey& b);
// The order of two words' collation keys (zero-terminated letters).
int CompareEntryKeys(const BYTE* lettersA, const BYTE* vowelsA, int lengthA, const BYTE* lettersB,
                     const BYTE* vowelsB, int lengthB);

// Word buckets: the first four key letters 'a'..'v' as digits 1..22 in base
// 23. The digits stop at the first character that is not a key letter (a
// word gap, a digit, punctuation, the end): any such character sorts before
// every letter, so a bucket number never decreases along the key order.
constexpr DWORD kWordBucketBase = 23;
constexpr int kWordBucketChars = 4;
constexpr DWORD kWordBucketCount = 23 * 23 * 23 * 23;
DWORD BucketNumber(const char* primaryKey);
// The bucket of a word (zero-terminated letters, parallel vowels), from
// the first letters of its key alone.
DWORD WordBucketNumber(const BYTE* letters, const BYTE* vowels, int count);

// Definition keywords (letters, digits and '-') compare as upper case,
// byte by byte; their buckets take the first three characters, a digit as
// 0..9 and a letter as 10..35 in base 36, and stop at any other character.
constexpr DWORD kDefinitionBucketBase = 36;
constexpr int kDefinitionBucketChars = 3;
constexpr DWORD kDefinitionBucketCount = 36 * 36 * 36;
DWORD DefinitionBucketNumber(const char* keyword);
int CompareKeywordTexts(const char* a, const char* b);
