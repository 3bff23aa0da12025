// The text a Hebrew word search sends to the lookup bar for a word of the
// document, held as letters with one point each (0 for none).
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

// TRUE when a letter of the word carries a vowel point.
BOOL HasVowelPoint(const CByteArray& points);

// The word unpointed in plene spelling: a letter with dagesh loses it, a
// shuruk standing as a letter becomes vav, every point goes, and a vav
// follows a letter that carried holam male, shuruk or qubuts (stressed or
// not), since unpointed spelling writes those vowels out.
CString RemovePointsPlene(const CString& letters, const CByteArray& points);

// The search text: the word with its points merged in, or without them in
// plene spelling.
CString WordSearchText(const CString& letters, const CByteArray& points, BOOL noVowels);
