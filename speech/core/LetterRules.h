// Rewrites of the names of God (into a substitute form while the HaShemFilter
// preference is on) and two fixed respellings for speech.
#pragma once

#include "classlib/core/WinTypes.h"

// Rewrites every word of the zero-terminated letters and their parallel
// vowels in place and returns the change of length (0 or negative). Does
// nothing and returns 0 when hashemFilter is off.
int ApplyLetterRulesToText(BYTE* letters, BYTE* vowels, bool hashemFilter);

// Rewrites one word of the given length in place (the text around it is not
// touched) and returns its change of length, 0 or -2.
int RewriteNamesInWord(BYTE* letters, BYTE* vowels, int length, bool hashemFilter);

// Removes the ASCII punctuation marks other than those of keep (null: none)
// from the zero-terminated letters, with their vowels; returns the new length.
int StripWordChars(BYTE* letters, BYTE* vowels, int capacity, const char* keep);

// Respells a word's letter and vowel planes (zero-terminated, capacity bytes
// each, as in a word record) for speech: the four-letter name and its short
// forms become Adonai (Adoshem with the filter on), hu written for hi is
// read hi, and with the filter on the Elohim stem takes qof. True when the
// word changed.
bool AdjustWordSpelling(BYTE* letters, BYTE* vowels, int capacity, bool hashemFilter);
