// The comparisons with which find, lookup and the grammar views decide that
// two pointed words (letters and vowels, see PointedText.h) are one word, at
// strictnesses from exact to tolerant of dagesh, vowel classes and plene
// spelling. Letter and vowel comparisons return 1 or 0; word comparisons 0 for
// a match and -1 otherwise. The first argument is always from the word being
// tested, the second from the reference.
#pragma once

#include "classlib/core/WinTypes.h"

// 1 when no letter of the zero-terminated letters carries a vowel.
int IsUnpointed(const BYTE* letters, const BYTE* vowels);

// 1 when position n is a vav without vowel right after a letter without vowel
// (how an unpointed text writes a holam male or shuruk).
int IsBareVavAfterBareLetter(const BYTE* letters, const BYTE* vowels, int n);

int LettersEquivalent(int a, int b);
int LettersMatchKeepMappiq(int a, int b);
int LetterMatchesWithAddedDagesh(int a, int b, BOOL exact);
int LetterMatchesWithAddedDageshNoHe(int a, int b);
int LettersMatchDageshTolerant(int a, int b);

// By vowel classes. The vowels after a and b are taken for the callers'
// symmetry with VowelsMatchLoose and not looked at.
int VowelsMatch(int a, int b, int nextA, int nextB);
// VowelsMatch, or the two are the same vowel written with and without its vav
// (holam and holam male, qubuts and shuruk), or a holam stands against a
// qamats qatan written as qamats before hataf qamats.
int VowelsMatchLoose(int a, int b, int nextA, int nextB);

int CompareLettersEquivalent(const BYTE* lettersA, const BYTE* lettersB);
int CompareLetterRuns(const BYTE* lettersA, const BYTE* lettersB, int length);
int CompareWordsWithVowels(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                           const BYTE* vowelsB);
// How strictly the document's Find compares.
struct FindCompareOptions {
  bool withVowels;    // the vowels must agree too (stress and variant codes aside)
  bool exactLetters;  // the same letter codes: a dagesh or a final form counts
};
int CompareWordsForFind(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                        const BYTE* vowelsB, const FindCompareOptions& options);
int CompareWordsPositional(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                           const BYTE* vowelsB);
// Whether a word carries vowels, as its caller knows it.
enum class WordPointing { Unknown, Pointed, Unpointed };
struct PleneCompareOptions {
  bool exactDagesh = false;                        // an inner letter of A may not lack B's dagesh
  WordPointing pointingA = WordPointing::Unknown;  // found from its vowels when unknown
};
int CompareWordsPleneTolerant(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                              const BYTE* vowelsB, const PleneCompareOptions& options);
