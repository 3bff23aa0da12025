// HebWordRec: one generated or looked-up Hebrew word form, possibly with
// alternative spellings separated by ',' in the letter plane. The three
// planes are parallel: position i of the vowels and marks belongs to letter
// i, and the letter string's length is the length of all three.
#pragma once

#include "classlib/core/WinTypes.h"

constexpr int kWordPlaneSize = 70;  // at most 69 letters and their terminator
constexpr int kMaxWordParts = 5;    // the main form and four alternatives

struct HebWordRec {
  BYTE letters[kWordPlaneSize];  // zero-terminated letter codes
  BYTE vowels[kWordPlaneSize];   // one vowel code a letter (0 or 1: none)
  BYTE marks[kWordPlaneSize];    // root letter number 1-5 a letter, 0 for others
  BYTE binyan;                   // 0-6 for a generated verb form
  WORD formSlot;                 // 0-29 (slot 30 is kept as 15)
  WORD patternNumbers[4];        // of the main form and alternatives 1-3
  WORD rootId;                   // first word of the root record used
  WORD spare[2];                 // the second is handed to the vav-inversive step
};
static_assert(sizeof(HebWordRec) == 228, "HebWordRec is 228 bytes");

void ClearWordRec(HebWordRec& word);

// Splits a comma list in place: every ',' becomes 0 and, for the first four
// commas, offsets receives the offset of the part after it, or -1 when that
// part is empty. Returns the number of commas (0 when there is none or the
// string is empty). At most capacity bytes are looked at.
int SplitCommaList(BYTE* letters, LONG (&offsets)[4], int capacity = kWordPlaneSize);

// Every 0 within the length becomes 1, so that a vowel plane can be joined
// as a string while a form is being assembled.
void MarkZeroBytes(BYTE* bytes, int length);

// Every 1 within the length becomes 0: the assembly marks of a finished form.
void ClearVowelPlaceholders(BYTE* bytes, int length);

// Every final letter of the zero-terminated string becomes its regular form.
void NormalizeFinalLetters(BYTE* letters);

// Removes a leading conjunction vav (a vav or a shuruk) from the main form
// and from every alternative, in all three planes.
void StripConjunctionVav(HebWordRec& word);

// Clears the record and puts the 7 letters and 7 vowels of a NounPatternRec
// at its first positions.
void NounPatternToWord(HebWordRec& word, const BYTE* nounPattern);
