// Which of a form's spellings a grammar table shows for the current
// alternate index, and its colour. A form's record is split at its commas:
// the first spelling at offset 0, alternate k at offsets[k] (0 or -1 when
// there is none).
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

// The current alternate index: -1 the first spelling, 0 to 3 the second
// to the fifth.
constexpr int kFirstSpelling = -1;
constexpr int kMaxAlternateIndex = kMaxWordParts - 2;
constexpr int kSpellingAlternates = kMaxWordParts - 1;

// The alternate shown for the index: the nearest at or before it that
// exists, else the first spelling. An index past the last counts as the
// last.
int ShownAlternate(const LONG (&offsets)[kSpellingAlternates], int alternate);

// The offset of the shown spelling in the record.
LONG ShownSpellingOffset(const LONG (&offsets)[kSpellingAlternates], int alternate);

// The colour of the shown spelling: firstColour for the first spelling,
// else black, maroon, violet and red for alternates 0 to 3.
COLORREF ShownSpellingColour(const LONG (&offsets)[kSpellingAlternates], int alternate,
                             COLORREF firstColour);
