// Stress placement: which syllable of a pointed word's phonetic text is
// stressed when the word carries no stress mark of its own.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "speech/core/PronunciationOptions.h"

// The stressed syllable counted from the end: 0 last ... 3 fourth to last;
// 4 when the pattern had too few syllables for the rule (nothing marked).
enum StressResult {
  kStressLast = 0,
  kStressPenult = 1,
  kStressAntepenult = 2,
  kStressFourthToLast = 3,
  kStressNotPlaced = 4
};

// What PlaceWordStress does with the pattern. Any value other than these
// acts as kKeepOrForceLastStress.
enum StressMode : int {
  kPlaceStress = 0,            // place it by the word's rules
  kKeepOrForceLastStress = 1,  // keep an existing "1", else stress the last syllable
  kForceLastStress = 7,        // stress the last syllable
};

// Turns one "0" of the pattern (the phonetic text of TransliterateWord)
// into "1" and every "9" into "0". The word is the letters and vowels up to
// last index n; options as the pattern was transliterated with.
StressResult PlaceWordStress(const BYTE* letters, const BYTE* vowels, int n, CString& pattern,
                             const PronunciationOptions& options, StressMode mode = kPlaceStress);
