// HebChar text out to standard Windows-1255 with combining points, as other
// programs read it: each combined code is written as its letter and marks.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/VavOrder.h"

class CString;

// Sets result to the Windows-1255 sequence of one code (empty for codes
// that stand for nothing outside the program), holam male in vavOrder.
void InternalCharToAnsi(int code, CString& result, VavOrder vavOrder);

// Replaces HebChar text by its Windows-1255 form.
void ConvertToStandardPoints(CString& text, VavOrder vavOrder);
