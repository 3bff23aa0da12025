// Windows-1255 text (as the import takes it and the export gives it) to and
// from UTF-16 and UTF-8; the two code pages a document's faces hold, and the
// decoding of whole text files.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

class CString;

typedef std::basic_string<WCHAR> WideString;

// What a decoder gives for bytes that stand for no character.
constexpr UINT kReplacementCharacter = 0xFFFD;

// The character of a byte in code page 1255, kReplacementCharacter where the
// code page has none.
UINT Windows1255ToUnicode(BYTE byte);
// The same for code page 1252, the other faces' code.
UINT Windows1252ToUnicode(BYTE byte);
// The code page 1252 byte of a character; false when the code page has none.
bool UnicodeToWindows1252(UINT codePoint, BYTE& byte);
// The code page 1255 byte of the character a code page 1252 byte stands for,
// '?' where code page 1255 has none; the currency sign gives the new shekel
// sign, which it stands for in the other faces (see HoldCharacter).
BYTE Windows1252ToWindows1255(BYTE byte);

// The UTF-16 form of zero-terminated Windows-1255 text, one unit a byte, as
// code page 1255 reads it, except that '-' and ':' become the maqaf and the
// sof pasuq (the program's text writes them so) and a byte the code page
// leaves undefined is passed on as the unit of the same value.
WideString AnsiHebrewToUnicode(LPCSTR text);

// The most Windows-1255 bytes one character gives (shin with dagesh and dot).
constexpr int kMaxAnsiBytesPerChar = 3;

// Writes the Windows-1255 bytes of one Hebrew or ASCII character and returns
// how many; 0 for any other character and for the marks the program has no
// place for (cantillation, rafe, the upper and lower dots). Presentation
// forms give their decomposition; qamats qatan the qamats; the Yiddish
// ligatures their two letters; maqaf, sof pasuq, geresh and gershayim the
// ASCII characters the program writes them as.
int UnicodeCharToAnsi(UINT unit, BYTE (&bytes)[kMaxAnsiBytesPerChar]);

// Sets result to the Windows-1255 form of zero-terminated UTF-16 text.
void UnicodeToAnsiHebrew(CString& result, LPCWSTR text);

// Decodes UTF-8 text into Windows-1255. A sequence cut off by the end of the
// text is dropped; code points beyond 16 bits and stray bytes give nothing.
void Utf8ToAnsiHebrew(CString& text);

// Encodes Windows-1255 text as UTF-8, through its UTF-16 form.
void AnsiHebrewToUtf8(CString& text);

// The characters of a whole text file: UTF-16 (either byte order) or UTF-8
// after its byte order mark; UTF-8 without one when the bytes are valid
// UTF-8 with at least one character beyond ASCII; else Windows-1255. NUL
// characters are left out; bytes that decode to no character become
// kReplacementCharacter.
std::u32string DecodeTextFile(const BYTE* data, size_t size);

// Which of a document's faces holds a character of outside text.
enum class TextScript {
  Dropped,  // no visible character of its own (NUL, direction marks, cantillation)
  Neutral,  // ASCII blanks, digits, punctuation and controls: any face
  Hebrew,   // Windows-1255 bytes for the import into the program's Hebrew faces
  Latin,    // a Windows-1252 byte for the other faces
};

struct HeldChar {
  TextScript script;
  int length;
  BYTE bytes[kMaxAnsiBytesPerChar];
};

// How a document holds the character. One that neither code page holds
// becomes '?', except the new shekel sign, which the other faces show as the
// currency sign of code page 1252, at the byte code page 1255 gives the
// shekel.
HeldChar HoldCharacter(UINT codePoint);
