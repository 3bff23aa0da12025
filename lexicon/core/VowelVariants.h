// Spelling variants of a built form: some of its vowels are variant codes
// (a qamats that may be read as patah, a vowel that may be written plain, a
// qamats qatan) and each may be taken either way. A variant number chooses
// which of the first three variable vowels take their plain reading.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

// The variants a part can have: the non-empty choices among its first three
// variable vowels.
constexpr int kVowelVariantChoices = 7;

// A vowel that can be read two ways: a variant code, a qamats/patah variant
// or a qamats qatan not yet read as plain.
bool IsVariableVowel(int vowel);

// The variants of the part of the record that begins at offset (it ends at
// ',' or the end): 2^n - 1 for its n variable vowels, 0 when it has none.
int CountVowelVariants(const HebWordRec& word, int offset);

// Variant k of the part into out (the part alone, the rest of out
// cleared); 1 when written. A part in plene spelling keeps it: only vowels
// change. 0, with out untouched, when k is not below the part's count or
// beyond the seven choices the first three variable vowels give: a fourth
// and later variable vowel is never changed.
int BuildVowelVariant(const HebWordRec& word, int offset, HebWordRec& out, int k);

// In every ','-separated part whose second letter is a he, the he is
// removed and the first letter takes its vowel.
void DropHeAfterFirstLetter(HebWordRec& word);
