// The spelling variants a typed word is searched in when it is not found as
// typed: qubuts and shuruk exchanged, a yod after hiriq or tsere added or
// dropped, holam male and qamats qatan exchanged, and in an unpointed word a
// doubled yod or a vav before a yod taken as defective spelling.
#pragma once

#include "lexicon/core/HebWordRec.h"

// Without variant: the number of variants, 2^m - 1 for m variant bits (a
// holam male takes two), and in *firstChanged the first position a variant
// changes (the word's length when none does). With variant: variant number
// n (1 and up) of the word written there; the result is then 1 when it was.
int GetSearchVariant(const HebWordRec& word, int* firstChanged, HebWordRec* variant, int number);
