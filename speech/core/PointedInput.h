// Pointed Hebrew typed or pasted as UTF-8 (letters with combining points; a
// meteg marks the stressed vowel) made into the letters and vowels the rules
// read. A letter without a point gets the explicit "no vowel" code, as the
// rules' word lists write it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

struct PointedLetters {
  std::vector<BYTE> letters;  // zero-terminated
  std::vector<BYTE> vowels;   // one a letter, zero-terminated

  int Last() const { return static_cast<int>(letters.size()) - 2; }
  const BYTE* L() const { return letters.data(); }
  const BYTE* V() const { return vowels.data(); }
};

// The word, or nothing when the text holds what the rules cannot take:
// malformed UTF-8, a character that is neither printable ASCII nor a Hebrew
// letter, point or maqaf of Windows-1255 (so no cantillation marks, and
// geresh and gershayim typed as ' and "), or a point with no letter to
// stand on. problem, when given, receives the reason.
std::optional<PointedLetters> PointedLettersFromUtf8(const char* text,
                                                     std::string* problem = nullptr);
