// Windows-1255 text (as the import takes it and the export gives it) to and
// from UTF-16 and UTF-8.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

class CString;

typedef std::basic_string<WCHAR> WideString;

// The UTF-16 form of zero-terminated Windows-1255 text, one unit a byte:
// letters and points become their Hebrew code points, '-' the maqaf and ':'
// the sof pasuq; every other byte the unit of the same value.
WideString AnsiHebrewToUnicode(LPCSTR text);

// Writes the Windows-1255 bytes of one UTF-16 unit (at most two) and returns
// how many; 0 for a unit that has none.
int UnicodeCharToAnsi(UINT unit, BYTE (&bytes)[2]);

// Sets result to the Windows-1255 form of zero-terminated UTF-16 text.
void UnicodeToAnsiHebrew(CString& result, LPCWSTR text);

// Decodes UTF-8 text into Windows-1255. A sequence cut off by the end of the
// text is dropped; code points beyond 16 bits and stray bytes give nothing.
void Utf8ToAnsiHebrew(CString& text);

// Encodes Windows-1255 text as UTF-8, through its UTF-16 form.
void AnsiHebrewToUtf8(CString& text);
