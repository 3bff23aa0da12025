// String lists kept in alphabetical order, case ignored, and the font-face
// lists of the font choosers with the program's own Hebrew faces grouped.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

// Before the first element that does not sort before the text.
void InsertSortedString(CStringArray& strings, LPCSTR text);
void CopySortedStringArray(CStringArray& target, const CStringArray& source);
// An empty string for an index outside the list.
CString CopyStringAt(const CStringArray& strings, int index);

BOOL IsProgramHebrewFont(LPCSTR face);
// The face's index in the program's list of Hebrew faces, -1 when absent.
int FindProgramHebrewFont(LPCSTR face);

// Which faces a font list holds and in what order.
constexpr int kFontListHebrewFirst = 1;  // enumeration: only the program's Hebrew faces
constexpr int kFontListOthersFirst = 2;  // enumeration: only the other faces
constexpr int kFontListSorted = 3;
// Sorts the faces (case ignored): the program's Hebrew faces before the
// others, after them, or mixed in; any other mode empties the list.
void BuildFontFaceList(CStringArray& faces, int mode);
