// Vowels for prefix letters typed without them (conjunction vav, bet, kaf,
// lamed, mem, relative shin, the article), from the letter that follows.
#pragma once

#include "classlib/core/WinTypes.h"

// Whether a bet, kaf or lamed of the prefix took the article's vowel.
enum ArticleMode : int {
  kArticleDecide = -1,  // the routine finds out itself
  kArticleNotAbsorbed = 0,
  kArticleAbsorbed = 1,
};

// Points the first prefixLength letters of the zero-terminated word in place;
// letters that already carry a vowel keep it.
void PointPrefixLetters(BYTE* letters, BYTE* vowels, int prefixLength, ArticleMode articleMode);

// True for hem, hen, hena and hema, before which the article takes qamats.
bool IsArticleQamatsWord(const BYTE* letters, const BYTE* vowels);
