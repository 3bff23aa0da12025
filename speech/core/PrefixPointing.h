// Vowels for prefix letters typed without them (conjunction vav, bet, kaf,
// lamed, mem, relative shin, the article), from the letter that follows.
#pragma once

#include "classlib/core/WinTypes.h"

// Article modes of PointPrefixLetters.
constexpr int kArticleAbsorbed = 1;     // bet, kaf or lamed took the article's vowel
constexpr int kArticleNotAbsorbed = 0;
constexpr int kArticleDecide = -1;      // the routine finds out itself

// Points the first prefixLength letters of the zero-terminated word in place;
// letters that already carry a vowel keep it.
void PointPrefixLetters(BYTE* letters, BYTE* vowels, int prefixLength, int articleMode);

// 1 for hem, hen, hena and hema, before which the article takes qamats.
int IsArticleQamatsWord(const BYTE* letters, const BYTE* vowels);
