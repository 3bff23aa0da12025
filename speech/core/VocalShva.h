// Whether the shva under a letter of a pointed word is spoken.
#pragma once

#include "classlib/core/WinTypes.h"

// What transliteration knows of a word's prefixes and the options it was
// given, which the shva test reads as well.
struct PrefixInfo {
  // Slot k (1-4) holds k when the word was found to begin with a prefix
  // chain of k letters, 0 otherwise; slot 0 is always 0.
  int slots[5] = {0, 0, 0, 0, 0};
  int firstOption = 0;
  DWORD prefixKind = 0;  // 0, 1-4 or kAnyPrefixKind
  DWORD optionBits = 0;  // bit 0: no two-shva or like-letter rule; pe-samekh rule
};

// Pronunciations (the General/Accent preference).
enum Pronunciation { kSephardi = 1, kAshkenazi = 2, kYemenite = 3 };

// Results of TestVocalShva.
enum ShvaKind { kSilentShva = 0, kVocalShva = 1, kVocalShvaAtStart = 2, kVocalShvaBeforeLiquid = 3 };

// The kind of the shva at position i of the word (last index n).
int TestVocalShva(int pronunciation, const BYTE* letters, const BYTE* vowels, int i, int n,
                  const PrefixInfo& prefix);

// 1 when the letter and the one after it sound alike, so that a shva
// between them must be spoken.
int LettersSoundAlike(int letter, int next, int pronunciation);

// 1 when position i and the letter after it are both vav forms and that
// next one has no vowel and is not the last letter: a doubled vav, written
// for a consonantal vav.
int IsDoubledVav(const BYTE* letters, const BYTE* vowels, int i, int n);
