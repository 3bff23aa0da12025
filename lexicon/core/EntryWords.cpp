#include "lexicon/core/EntryWords.h"

#include <cstring>

#include "hebtext/core/HebChar.h"

namespace {

int TextLength(const BYTE* letters, int length) {
  return length >= 0 ? length : static_cast<int>(strlen(reinterpret_cast<const char*>(letters)));
}

// The position after the run of separators at or after at.
int SkipSeparators(const BYTE* letters, int at, int length) {
  while (at < length && IsSpaceOrHyphen(letters[at])) ++at;
  return at;
}

int SkipWord(const BYTE* letters, int at, int length) {
  while (at < length && !IsSpaceOrHyphen(letters[at])) ++at;
  return at;
}

}  // namespace

int CountEntryWords(const BYTE* letters, int length) {
  length = TextLength(letters, length);
  if (length == 0) return 0;
  int words = 1;
  for (int at = SkipWord(letters, 0, length); at < length; at = SkipWord(letters, at, length)) {
    at = SkipSeparators(letters, at, length);
    if (at < length) ++words;
  }
  return words;
}

int SelectEntryWord(int wordNumber, const BYTE* letters, const BYTE* vowels, int length,
                    BYTE* lettersOut, BYTE* vowelsOut, int capacity) {
  if (capacity < 1) return 0;
  length = TextLength(letters, length);
  int start = 0, end = length;
  if (wordNumber >= 0) {
    // Word w begins after the w-th run of separators.
    for (int w = 0; w < wordNumber && start < length; ++w) {
      start = SkipSeparators(letters, SkipWord(letters, start, length), length);
    }
    end = start < length ? SkipWord(letters, start, length) : start;
    if (wordNumber >= CountEntryWords(letters, length)) start = end = 0;
  }
  int count = end - start;
  if (count > capacity - 1) count = capacity - 1;
  memmove(lettersOut, letters + start, count);
  memmove(vowelsOut, vowels + start, count);
  lettersOut[count] = 0;
  vowelsOut[count] = 0;
  return count;
}
