// Test helper: a pointed word held as the zero-terminated letter and vowel
// strings the text code passes around. Written as pointed Hebrew in UTF-8
// ("שָׁלוֹם", a meteg marking a stressed vowel), read through the program's
// own import; or letter by letter as {letter, vowel} pairs of named codes, for
// the program's own variant codes, which UTF-8 cannot write.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"

struct PointedWord {
  PointedWord(std::initializer_list<std::pair<int, int>> positions) {
    for (const auto& [letter, vowel] : positions) {
      letters.push_back(static_cast<BYTE>(letter));
      vowels.push_back(static_cast<BYTE>(vowel));
    }
    letters.push_back(0);
    vowels.push_back(0);
  }

  // Fails the test when the import does not take every character of the text,
  // which it then does not hold as written.
  explicit PointedWord(const char* utf8) {
    CString text(utf8);
    Utf8ToAnsiHebrew(text);
    NormalizeMarkOrder(text);
    ConvertImportedText(text, kVavThenHolam);
    const int count = SplitLettersAndVowels(text, nullptr, nullptr, 0, 0);
    letters.assign(count + 1, 0);
    vowels.assign(count + 1, 0);
    SplitLettersAndVowels(text, letters.data(), vowels.data(), count + 1, HebCode::NoVowel);
    const std::string back = Utf8();
    if (SortedBytes(back) != SortedBytes(utf8)) {
      ADD_FAILURE() << "the import does not take \"" << utf8 << "\" as written: it reads \"" << back
                    << "\"";
    }
  }

  int Length() const { return static_cast<int>(letters.size()) - 1; }
  const BYTE* L() const { return letters.data(); }
  const BYTE* V() const { return vowels.data(); }

  // The word written out again as UTF-8.
  std::string Utf8() const {
    CString text;
    MergeLettersAndVowels(text, L(), V(), Length());
    ConvertToStandardPoints(text, kVavThenHolam);
    AnsiHebrewToUtf8(text);
    return std::string(text, text.GetLength());
  }

  std::vector<BYTE> letters;
  std::vector<BYTE> vowels;

 private:
  // The marks of a letter may come back in another order.
  static std::string SortedBytes(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
  }
};
