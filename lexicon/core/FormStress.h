// Stress marks of generated forms. A form stressed on its last syllable is
// unmarked; any other stress is the stressed code of its vowel. The stress
// codes by which generators ask for a position: 100 last syllable, 101 the
// one before, 102 third from the end, 103 fourth from the end.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"

constexpr int kStressLast = 100;
constexpr int kStressPenult = 101;
constexpr int kStressAntepenult = 102;
constexpr int kStressFourthFromEnd = 103;

// The root-id sets of each binyan (0-6) by which the grammar places stress
// and picks rewrites; false for any other binyan.
bool IsRootInSetA(const BinyanRootRec& record, int binyan);
bool IsRootInSetB(const BinyanRootRec& record, int binyan);
bool IsRootInSetC(const BinyanRootRec& record, int binyan);

// A vowel that makes a syllable: not none, not a shva, not a hataf.
int IsSyllableVowel(int vowel);
void ClearStressMarks(BYTE* vowels, int count);
int HasStressedVowel(const BYTE* vowels, int count);

// Marks the syllable the code names (see above), clearing any other mark; a
// trailing ',' is not counted. 0 for a code outside 100-103, else 1.
int ApplyStressPosition(const BYTE* letters, BYTE* vowels, int code);
// 101 when a syllable follows position; otherwise the vowel there loses its
// mark and the result is 100.
int StressLastOrPenult(BYTE* vowels, int position, int count);
int EndsWithYodVavShuruk(const BYTE* letters, const BYTE* vowels);
// The segolate end of a word that takes stress before the last syllable.
int IsSegolatePattern(const BYTE* letters, const BYTE* vowels);

// Where a conjugated verb form is stressed (100 or 101); the form is marked
// accordingly. stressArgument is the form generator's (non-zero for forms
// that are built to be rewritten after a vav-inversive).
int DetermineStressPosition(const BYTE* letters, BYTE* vowels, const BYTE* marks, int slot,
                            int binyan, const BinyanRootRec& record, const BYTE* entry,
                            int stressArgument);
