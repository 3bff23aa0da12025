// Whether the shva under a letter of a pointed word is spoken.
#pragma once

#include "classlib/core/WinTypes.h"
#include "speech/core/PronunciationOptions.h"

// What transliteration knows of a word's prefixes and the options it was
// given, which the shva test reads as well.
struct PrefixInfo {
  // Slot k (1-4) holds k when the word was found to begin with a prefix
  // chain of k letters, 0 otherwise; slot 0 is always 0.
  int slots[5] = {0, 0, 0, 0, 0};
  PronunciationOptions options;
};

// The prefix chains of the word that options.prefixKind asks to look for.
PrefixInfo FindPrefixes(const BYTE* letters, const BYTE* vowels,
                        const PronunciationOptions& options);

// How a shva is spoken.
enum ShvaKind {
  kSilentShva = 0,
  kVocalShva = 1,
  kVocalShvaAtStart = 2,       // a neutral vowel opening the word
  kVocalShvaBeforeLiquid = 3,  // the second of two shvas, before resh or lamed
};

// The kind of the shva at position i of the word (last index n).
ShvaKind TestVocalShva(const BYTE* letters, const BYTE* vowels, int i, int n,
                       const PrefixInfo& prefix);

// True when the letter and the one after it sound alike, so that a shva
// between them must be spoken.
bool LettersSoundAlike(int letter, int next, Pronunciation pronunciation);

// True when position i and the letter after it are both vav forms and that
// next one has no vowel and is not the last letter: a doubled vav, written
// for a consonantal vav.
bool IsDoubledVav(const BYTE* letters, const BYTE* vowels, int i, int n);
