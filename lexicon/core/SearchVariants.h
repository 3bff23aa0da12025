// The spelling variants a typed word is searched in when it is not found as
// typed: qubuts and shuruk exchanged, a yod after hiriq or tsere added or
// dropped, holam male and qamats qatan exchanged, and in an unpointed word a
// doubled yod or a vav before a yod taken as defective spelling.
#pragma once

#include "lexicon/core/HebWordRec.h"

// The variant bits a word's variable places may take: the count doubles
// with every place, and a long typed word would otherwise be searched in
// more spellings than the lookup can wait for (or a count can hold). The
// places beyond stay as typed; a real word has far fewer.
constexpr int kMaxSearchVariantBits = 8;

// Without variant: the number of variants, 2^m - 1 for m variant bits (a
// holam male takes two; at most kMaxSearchVariantBits of them), and in
// *firstChanged the first position a variant changes (the word's length
// when none does). With variant: variant number
// n (1 and up) of the word written there; the result is then 1 when it was.
int GetSearchVariant(const HebWordRec& word, int* firstChanged, HebWordRec* variant, int number);
