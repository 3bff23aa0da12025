// Read access to a pointed word (letters and a parallel vowel string, last
// index n) for rules that look several letters back and ahead: a position
// outside 0..n reads as "no letter, no vowel", so a rule looking at n-3 on a
// two-letter word, or past the end, never leaves the word.
#pragma once

#include "classlib/core/WinTypes.h"

class WordView {
 public:
  WordView(const BYTE* letters, const BYTE* vowels, int last)
      : m_letters(letters), m_vowels(vowels), m_last(last) {}

  int L(int i) const { return Inside(i) ? m_letters[i] : 0; }
  int V(int i) const { return Inside(i) ? m_vowels[i] : 0; }
  int Last() const { return m_last; }
  const BYTE* Letters() const { return m_letters; }
  const BYTE* Vowels() const { return m_vowels; }

 private:
  bool Inside(int i) const { return i >= 0 && i <= m_last; }
  const BYTE* m_letters;
  const BYTE* m_vowels;
  int m_last;
};

// The index of the last letter of a zero-terminated letter string (-1 when
// it is empty), counting at most maxLength letters.
int LastLetterIndex(const BYTE* letters, int maxLength);
