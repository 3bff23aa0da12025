// Older 8-bit Hebrew codes of the program's own: the character set that kept
// the letters at the ASCII key positions, and earlier assignments of the
// HebChar variant codes, converted to the current HebChar code.
#pragma once

#include "classlib/core/WinTypes.h"

class CString;

// One byte of the older character set, which put Hebrew at the ASCII key
// positions and ASCII at the same positions plus 128.
int OldCharsetCharToHebChar(int c);

// Sets result to zero-terminated text of the older character set in HebChar.
// Its byte 128 (ASCII 0 moved up) is left out rather than cutting the text.
void ConvertOldHebrewCharset(LPCSTR text, CString& result);

// Sets result to zero-terminated HebChar text stored with the older
// assignment of the variant and stressed codes, in the current one.
void RemapCodeVariantsA(LPCSTR text, CString& result);

// Sets result to zero-terminated HebChar text with the older code of qof
// with dagesh (183) replaced by the current one.
void RemapCodeVariantsB(LPCSTR text, CString& result);
