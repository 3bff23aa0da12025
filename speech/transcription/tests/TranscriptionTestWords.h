// Test helpers: texts given as pointed UTF-8 pieces and raw bytes (carriage
// returns, digits in the order the editor stores them) made into the
// letters and vowels transcription reads.
#pragma once

#include <string>
#include <vector>

#include "lexicon/core/HebWordRec.h"
#include "speech/tests/core/Pronounce.h"

// Letters and vowels of a text; each piece is pointed UTF-8, or a single
// byte below 0x20 taken as it is.
struct TestText {
  std::vector<BYTE> letters{0};
  std::vector<BYTE> vowels{0};

  TestText& operator<<(const char* utf8) {
    letters.pop_back();
    vowels.pop_back();
    if (utf8[0] != 0 && static_cast<unsigned char>(utf8[0]) < 0x20 && utf8[1] == 0) {
      letters.push_back(static_cast<BYTE>(utf8[0]));
      vowels.push_back(0);
    } else {
      const PointedLetters word = Pointed(utf8);
      letters.insert(letters.end(), word.letters.begin(), word.letters.end() - 1);
      vowels.insert(vowels.end(), word.vowels.begin(), word.vowels.end() - 1);
    }
    letters.push_back(0);
    vowels.push_back(0);
    return *this;
  }
};

inline HebWordRec WordRec(const char* utf8) {
  HebWordRec word;
  ClearWordRec(word);
  const PointedLetters pointed = Pointed(utf8);
  for (size_t i = 0; i + 1 < pointed.letters.size() && i + 1 < kWordPlaneSize; ++i) {
    word.letters[i] = pointed.letters[i];
    word.vowels[i] = pointed.vowels[i];
  }
  return word;
}
