// The tests of a word's last letters that stress placement runs, each on a
// word (last index n) whose positions before 0 read as "no letter, no vowel".
#pragma once

#include "speech/core/WordView.h"

bool HasAntepenultimateEnding(const WordView& w);
bool HasFirstPenultimateEnding(const WordView& w);
bool HasSecondPenultimateEnding(const WordView& w);
// stemSyllables: the syllables of the word after its prefix letters.
bool HasSuffixEnding(const WordView& w, int stemSyllables);
bool HasUEnding(const WordView& w);
bool HasFinalSyllableEnding(const WordView& w);
// A segolate noun (stress on the syllable before last), furtive patah
// included.
bool IsSegolateEnding(const WordView& w);
// -iya nouns stressed on the last syllable.
bool IsIyaWord(const WordView& w);
