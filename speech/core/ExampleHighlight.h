// How the descriptions dialog marks the described item in an example word:
// which position it colours, and in which colours, pointed and in full
// spelling.
#pragma once

#include "classlib/core/WinTypes.h"

constexpr COLORREF kExampleRed = 0x0000D2;   // the described letter or point
constexpr COLORREF kExampleNavy = 0x800000;  // the rest of the word

struct ExampleColors {
  COLORREF letter;
  COLORREF point;
};

// The colours of the highlighted position: a letter item red with its point
// navy; a vowel item's point red in pointed spelling and, written as a
// letter, that letter red in full spelling; meteg and dagesh red in pointed
// spelling only; all navy otherwise.
ExampleColors GetExampleHighlightColors(int item, bool fullSpelling);

// The position to highlight in the word as shown: from start (the example's
// position digit, or in full spelling where its letter went, one further
// when the item's vowel became the vav after it) the first letter that
// shows the item, a letter item in full spelling without its dagesh or dots;
// start itself when none does.
int GetExampleHighlightPosition(int item, int start, const BYTE* letters, const BYTE* vowels,
                                int count, bool fullSpelling);
