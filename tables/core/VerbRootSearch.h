// The verb the root edit names as the user types: the verb index is in the
// collation order of its roots, so the typed letters find their place in it
// by bisection.
#pragma once

#include "classlib/core/WinTypes.h"

// The verb index entry whose root's key (letters alone) equals the key of
// the typed letters and points, else the first entry after the place where
// the typed root would stand (the last entry when it would stand after them
// all); -1 when the index is empty.
int FindNearestVerb(const BYTE* letters, const BYTE* vowels, int count);

// The same from the edit's text (letters and points in one string).
int FindNearestVerb(LPCSTR typed);
