// How codes of the Hebrew text are shown with the program's Hebrew fonts:
// variant codes shown as their plain glyph, final kaf with its vowel as one
// glyph, and the unpointed (plene) spelling that replaces the points by vavs.
#pragma once

#include "classlib/core/WinTypes.h"

// The glyph of a vowel code: variant and qatan codes as the point they look
// like; everything else unchanged.
int VowelToDisplayPoint(int vowel);
// The glyph of a letter code: the yod variants as yod, maqaf as '-'.
int LetterToDisplayGlyph(int letter);
// The one glyph of a final kaf (with or without dagesh) and its vowel: with
// shva or qamats the combined glyph, with no vowel code (0) the letter as it
// is, with any other vowel (which a final kaf never carries) the bare letter.
int FinalKafGlyph(int letter, int vowel);

// Rewrites letters/vowels in place into the unpointed plene spelling: no
// dagesh, no shin or sin dots, a shuruk letter as vav, and a vav added after
// each letter whose vowel is shuruk or holam male; the vowels are cleared and
// the letters zero-terminated. Both buffers hold capacity bytes; vavs that
// would not fit (with the terminator) are left out. Returns the new count.
int InsertHebrewChar(BYTE* letters, BYTE* vowels, int count, int capacity);
