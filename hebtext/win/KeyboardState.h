// The keyboard mapping over the system's keyboard state: Caps Lock read and
// set through the thread's keyboard state array, Ctrl and Shift read as the
// current message saw them.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/KeyMapping.h"

// 1 when the Caps Lock toggle is on.
int IsCapsLockOn();

// Turns the Caps Lock toggle on or off; the keyboard guide does so when the
// user clicks Caps Lock on the on-screen keyboard.
void SetCapsLock(BOOL on);

// MapKeyToHebrew with the current Caps Lock state.
int MapKeyToHebrew(int ch);

// TranslateOemKey with the current Ctrl, Shift and Caps Lock states.
int TranslateOemKey(UINT virtualKey);
