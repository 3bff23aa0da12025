// HebChar text out to standard Windows-1255 with combining points, as other
// programs read it: each combined code is written as its letter and marks.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/VavOrder.h"

class CString;

// Sets result to the Windows-1255 sequence of one code (empty for codes
// that stand for nothing outside the program), holam male in vavOrder.
void InternalCharToAnsi(int code, CString& result, VavOrder vavOrder);

// Whether the holam on a vav (without dagesh) must be written as code page
// 1255's holam for vav: after a letter without a vowel, vav and plain holam
// read back as that letter's holam male (when holam male is written vav
// first).
bool NeedsHolamForVav(int letterBefore, int letter, int point, VavOrder vavOrder);

// Writes the holam of a point's Windows-1255 sequence as the holam for vav.
void UseHolamForVav(CString& sequence);

// Replaces HebChar text by its Windows-1255 form.
void ConvertToStandardPoints(CString& text, VavOrder vavOrder);
