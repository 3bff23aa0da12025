// Stress placement: which syllable of a pointed word's phonetic text is
// stressed when the word carries no stress mark of its own.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// The stressed syllable counted from the end: 0 last ... 3 fourth to last;
// 4 when the pattern had too few syllables for the rule (nothing marked).
enum StressResult { kStressLast = 0, kStressPenult = 1, kStressAntepenult = 2,
                    kStressFourthToLast = 3, kStressNotPlaced = 4 };

// Modes: 0 normal placement; 7 forces the last syllable; any other value
// keeps an existing "1" and otherwise forces the last syllable.
constexpr int kForceLastStress = 7;

// Turns one "0" of the pattern (the phonetic text of TransliterateWord)
// into "1" and every "9" into "0". The word is the letters and vowels up to
// last index n. prefixKind as for TransliterateWord; pronunciation and
// vowelType are handed on to it.
int PlaceWordStress(const BYTE* letters, const BYTE* vowels, int n, CString& pattern,
                    int pronunciation, int vowelType, int mode, DWORD prefixKind);
