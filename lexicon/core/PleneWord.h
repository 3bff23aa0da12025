// One pointed word as Ktiv-Khaser (full) spelling writes it: respelt in
// plene spelling as a word that is not a verb, then unpointed with its vowel
// letters written out. The number view shows its words so, and the language
// reference its example and practice words, which also need to know where
// each letter of the pointed word went.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

struct PleneWord {
  std::vector<BYTE> letters;  // count letters, zero-terminated
  std::vector<BYTE> vowels;   // no points in full spelling
  int count = 0;
  // For each position of the pointed word, where its letter stands now.
  std::vector<int> positions;
  // For each position of the pointed word, whether its vowel (shuruk or
  // holam male) is now the vav written after its letter.
  std::vector<bool> vavAfter;
};

// A word of kWordPlaneSize letters or more is too long to respell and is
// kept as written, points and all.
PleneWord RespellPleneWord(const BYTE* letters, const BYTE* vowels, int count);
