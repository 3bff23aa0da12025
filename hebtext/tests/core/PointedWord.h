// Test helper: a pointed word written letter by letter as {letter, vowel}
// pairs, held as the zero-terminated letter and vowel strings the text code
// passes around.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "classlib/core/WinTypes.h"

struct PointedWord {
  PointedWord(std::initializer_list<std::pair<int, int>> positions) {
    for (const auto& [letter, vowel] : positions) {
      letters.push_back(static_cast<BYTE>(letter));
      vowels.push_back(static_cast<BYTE>(vowel));
    }
    letters.push_back(0);
    vowels.push_back(0);
  }

  int Length() const { return static_cast<int>(letters.size()) - 1; }
  const BYTE* L() const { return letters.data(); }
  const BYTE* V() const { return vowels.data(); }

  std::vector<BYTE> letters;
  std::vector<BYTE> vowels;
};
