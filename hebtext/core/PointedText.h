// PointedText: a word or run of pointed Hebrew held as two byte strings of
// equal length, the letters (HebChar letter or other non-vowel codes,
// zero-terminated where no count is passed) and one vowel code per letter
// (0 or 1 for none; a shuruk or holam male stands on the letter before the
// vav). The single-string form puts each letter followed by its vowel code,
// with no vowel byte where the vowel is 0 or 1.
#pragma once

#include "classlib/core/WinTypes.h"

class CString;
class CByteArray;

// Splits the single-string form into letters and vowels, writing at most
// capacity - 1 positions into each buffer and a zero after them. Vowel codes
// 0 and 1 and letters without a vowel get defaultVowel. With both buffers
// null it only counts: the result is then the number of positions the text
// holds. Otherwise the result is the number of positions written.
int SplitLettersAndVowels(LPCSTR text, BYTE* letters, BYTE* vowels, int capacity, int defaultVowel);

// Writes the single-string form of count positions (-1: the letters' length)
// into buffer, zero-terminated, and returns the size the whole form needs
// (its length plus one). Only whole positions that fit in capacity - 1 bytes
// are written; with no buffer it only measures.
int MergeLettersAndVowelsInto(char* buffer, int capacity, const BYTE* letters, const BYTE* vowels,
                              int count);

// Sets result to the single-string form and returns its length.
int MergeLettersAndVowels(CString& result, const BYTE* letters, const BYTE* vowels, int count);

// Splits a long text into consonants and one vowel per consonant under the
// current progress dialog. Returns the number of consonants, or 0 with both
// results empty when the dialog is (or gets) cancelled.
int SeparateConsonantsFromVowels(LPCSTR text, CString& consonants, CByteArray& vowels);
