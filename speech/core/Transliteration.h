// Transliteration of one pointed word into the phonetic text the speech
// engine speaks (a stress digit in every syllable) and the code text in the
// 38-phoneme alphabet that a phoneme set spells out.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// The phonetic text, and with it the stress pattern, holds at most this
// many characters including its terminator; letters that would not fit are
// left out, and the closing "]" always is written.
constexpr int kMaxPhoneticText = 64;

// The longest word looked at (a word record's letter plane).
constexpr int kMaxTransliteratedLetters = 69;

// Vowel types (the General/VowelType preference).
enum VowelType { kLongClearVowels = 0, kIsraeliVowels = 1 };

// Transliterates the zero-terminated letters and their parallel vowels.
// pronunciation: 1 Sephardi, 2 Ashkenazi, 3 Yemenite. prefixKind: 0, a kind
// of TestWordPrefix, or kAnyPrefixKind. firstOption 1 treats a word-initial
// vav with patah or qamats as a prefix and never holds back a closing yod;
// bit 0 of optionBits changes the shva rules (see PrefixInfo). Returns 1.
int TransliterateWord(int pronunciation, int vowelType, const BYTE* letters, const BYTE* vowels,
                      CString& phonetic, CString& code, int firstOption, DWORD prefixKind,
                      DWORD optionBits);
