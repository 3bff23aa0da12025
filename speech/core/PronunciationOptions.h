// How a word is to be pronounced: the speaker's preferences and what the
// caller knows of the word's prefix letters. Transliteration, stress
// placement and the vocal-shva test all read it.
#pragma once

#include "classlib/core/WinTypes.h"

// Pronunciations (the General/Accent preference).
enum Pronunciation : int { kSephardi = 1, kAshkenazi = 2, kYemenite = 3 };

// Vowel types (the General/VowelType preference); any other value gives
// the code text its vowels but the phonetic text none.
enum VowelType : int { kLongClearVowels = 0, kIsraeliVowels = 1 };

// The prefix kind that means "try kinds 1 to 4" (see TestWordPrefix).
constexpr DWORD kAnyPrefixKind = 0xFFFFFFFF;

struct PronunciationOptions {
  Pronunciation pronunciation = kSephardi;
  VowelType vowelType = kIsraeliVowels;
  // 0 when the word is taken without prefix letters; 1-4 when it may begin
  // with a prefix chain of that many letters; or kAnyPrefixKind.
  DWORD prefixKind = 0;
  // A word-initial vav with patah or qamats is a one-letter prefix, and a
  // closing yod after a prefix is never held back.
  bool initialVavIsPrefix = false;
  // The vocal-shva test leaves out its two-shva and like-letter rules, and
  // takes a pe under shva before samekh at a syllable's start as one cluster.
  bool plainShvaRules = false;
};
