// Which typed characters a one-line navigating field takes, by its mask.
#pragma once

#include "classlib/core/WinTypes.h"

enum : BYTE {
  kNavEditLetters = 1,
  kNavEditDigits = 2,
  kNavEditPunctuation = 8,
  kNavEditAnything = 128,  // this and above: every character
};

// TRUE when the field keeps a typed character; with a mask below
// kNavEditAnything blanks, Backspace and control characters are dropped.
BOOL NavEditAcceptsChar(UINT ch, BYTE mask);
