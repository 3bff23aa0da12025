// The English-keyboard-to-Hebrew mapping: users type Hebrew letters and
// vowel points on an ordinary US keyboard with no Hebrew layout installed.
// The keyboard state is passed in; hebtext/win/KeyboardState.h reads it from
// the system.
#pragma once

#include "classlib/core/WinTypes.h"

// The HebChar a typed character (0-255) gives, or 0 to ignore the key.
// Lower-case letters give the letters of the Israeli standard layout, Shift
// the dagesh (or another) form on the same key, the punctuation keys the
// vowel points and final letters; Caps Lock turns the unshifted punctuation
// keys into their shifted meaning.
int MapKeyToHebrew(int ch, BOOL capsLock);

struct KeyModifiers {
  BOOL control;
  BOOL shift;
  BOOL capsLock;
};

// The US character of an OEM punctuation key (virtual-key code) while Ctrl
// is held, so that the punctuation itself can be typed in Hebrew mode; else
// 0. Caps Lock inverts Shift.
int TranslateOemKey(UINT virtualKey, const KeyModifiers& modifiers);
