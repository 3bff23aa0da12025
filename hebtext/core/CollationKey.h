// Sort keys of pointed words and the sound classes of their vowels, used to
// order and group dictionary words.
#pragma once

#include "classlib/core/WinTypes.h"

// The letter's place in the dictionary order ('a' alef .. 'v' tav, ' ' for
// word gaps, '!' for punctuation, digits themselves, '1' for the rest).
int CollationKeyChar(int c);

// Writes the zero-terminated collation key of count positions (at most
// size - 1 characters) and returns its length.
int BuildLetterVowelKey(char* buffer, int size, const BYTE* letters, const BYTE* vowels, int count);

// The sound class letter of a vowel: 'A' qamats, 'B' patah, 'C' hiriq,
// 'D' segol and tsere, 'E' shuruk and qubuts, 'G' holam and qamats qatan,
// 'J' shva and hataf vowels, '1' anything else.
int VowelSoundClass(int vowel);

// Writes the sound class of each of count vowels (at most size - 1),
// zero-terminated, and returns how many were written.
int VowelClassString(char* buffer, int size, const BYTE* vowels, int count);
