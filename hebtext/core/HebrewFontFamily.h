// The program's six Hebrew font faces, and where each face wants a vowel
// point under the letters whose shape puts its visual centre off the middle.
#pragma once

#include "classlib/core/WinTypes.h"

constexpr int kHebrewFontFaceCount = 6;
// Family n (1-6) is g_hebrewFontFaces[n - 1].
extern const char* const g_hebrewFontFaces[kHebrewFontFaceCount];

// 1-6 for the program's faces (case ignored), 0 for any other face.
int HebrewFontFamilyOfFace(const char* faceName);
// The family whose point positions the meteg follows: 1 for
// "Pomlar Sephardi 2", 2 for "Pomlar Stam 2", else 0.
int StressMarkFamilyOfFace(const char* faceName);

// The centre of a mark under the letter, as a percentage of the letter's
// width from its right edge, for the family; 0 when the family has no
// position for the letter. With a position, *offset receives the distance
// from the letter's right edge to the mark's left edge (the mark set flush
// right when it would stick out past the letter); the result is 0 (centre
// the mark) when the mark would then reach the letter's left edge.
int GetVowelOffsetPercent(int letter, int letterWidth, int markWidth, int* offset, int family);
