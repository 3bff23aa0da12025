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
// The document's Find.
int CompareWordsForFind(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                        const BYTE* vowelsB, BOOL withVowels, BOOL exact);
int CompareWordsPositional(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                           const BYTE* vowelsB);
// unpointedA: whether word A carries no vowels, or -1 to find out.
int CompareWordsPleneTolerant(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                              const BYTE* vowelsB, BOOL exactDagesh, int unpointedA);
