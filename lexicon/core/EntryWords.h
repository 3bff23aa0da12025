// The words of a dictionary entry that holds more than one (a phrase, a
// compound, a number spelled in several words): words are separated by runs
// of blanks and hyphens.
#pragma once

#include "classlib/core/WinTypes.h"

// The number of words of the first length letters (-1: the string's
// length): 0 for an empty text, else 1 and one for every run of separators
// that a further character follows.
int CountEntryWords(const BYTE* letters, int length);

// Word wordNumber (0 for the first; -1 for the whole text) of the first
// length letters and their vowels into the outputs, zero-terminated, at most
// capacity - 1 positions; a number beyond the last word gives empty text.
// Returns the length written.
int SelectEntryWord(int wordNumber, const BYTE* letters, const BYTE* vowels, int length,
                    BYTE* lettersOut, BYTE* vowelsOut, int capacity);
