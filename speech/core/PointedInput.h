// Pointed Hebrew typed or pasted as UTF-8 (letters with combining points; a
// meteg marks the stressed vowel) made into the letters and vowels the rules
// read. A letter without a point gets the explicit "no vowel" code, as the
// rules' word lists write it.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

struct PointedLetters {
  std::vector<BYTE> letters;  // zero-terminated
  std::vector<BYTE> vowels;   // one a letter, zero-terminated

  int Last() const { return static_cast<int>(letters.size()) - 2; }
  const BYTE* L() const { return letters.data(); }
  const BYTE* V() const { return vowels.data(); }
};

PointedLetters PointedLettersFromUtf8(const char* text);
