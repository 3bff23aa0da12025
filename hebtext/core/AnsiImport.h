// Windows-1255 text with combining points (other programs' clipboard text and
// imported documents) into HebChar text: the marks of each letter are first
// put into the order the import folds, then letter and marks become one code.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/VavOrder.h"

class CString;

// Windows-1255 bytes the import looks at.
namespace AnsiCode {
constexpr BYTE Shva = 0xC0;
constexpr BYTE Holam = 0xC9;
constexpr BYTE HolamForVav = 0xCA;
constexpr BYTE Dagesh = 0xCC;
constexpr BYTE Meteg = 0xCD;
constexpr BYTE Maqaf = 0xCE;
constexpr BYTE ShinDot = 0xD1;
constexpr BYTE SinDot = 0xD2;
constexpr BYTE SofPasuq = 0xD3;
constexpr BYTE DoubleVav = 0xD4;  // the Yiddish ligatures
constexpr BYTE VavYod = 0xD5;
constexpr BYTE DoubleYod = 0xD6;
constexpr BYTE Geresh = 0xD7;
constexpr BYTE Gershayim = 0xD8;
constexpr BYTE Alef = 0xE0;
constexpr BYTE Vav = 0xE5;
constexpr BYTE Yod = 0xE9;
constexpr BYTE Tav = 0xFA;
}  // namespace AnsiCode

int IsAnsiHebrewLetter(int c);     // 224-250
int IsAnsiHebrewPoint(int c);      // 192-205, shin dot, sin dot
int IsAnsiMaqafOrSofPasuq(int c);  // 206, 211

// What a byte is within a letter's cluster, given the byte after it.
enum AnsiMarkClass {
  kNotAMark = 0,   // ends the cluster
  kAnsiPoint = 1,  // a point of the letter (meteg aside)
  kVavVowel = 2,   // a vav that, with the holam or dagesh after it, may be the
                   // vowel of the letter before (when that has none of its own)
  kAnsiMeteg = 3,
};
int ClassifyAnsiMark(int c, int next);

// Rewrites each letter's cluster of marks so that the import can fold it:
// the dagesh and the shin or sin dot come before the vowel points, and a
// meteg goes last, after the vowel it stresses. Text already in that order
// is unchanged. Text produced by other programs today is mostly in Unicode
// canonical order (vowel, dagesh, meteg, then the dot), which would
// otherwise lose its dageshes and dots on import.
void NormalizeMarkOrder(CString& text);

enum class ImportAction { Append, ReplaceLast, Drop };

// What a byte is converted in the light of: the two codes written before it
// and the input byte after it (0 at the end).
struct ImportNeighbours {
  int prev2;  // the code before prev
  int prev;   // the last code written
  int next;
};

// Converts one Windows-1255 byte among its neighbours, the source writing
// holam male in vavOrder. A vav with holam is the holam male of the letter
// before only when that letter has no vowel of its own and the holam is the
// plain one (code page 1255's holam for vav marks a consonant vav). Bytes
// that are not Hebrew become an ASCII look-alike or are dropped, as the
// program's code has no place for them; a Yiddish ligature is dropped
// (ConvertImportedText writes its two letters).
ImportAction ConvertImportedChar(int c, const ImportNeighbours& neighbours, VavOrder vavOrder,
                                 BYTE& code);

// Converts Windows-1255 text to HebChar text under the current progress
// dialog; a Yiddish ligature becomes its two letters, an ellipsis three
// dots. A dialog already cancelled leaves the text unchanged; one cancelled
// during the work empties it.
void ConvertImportedText(CString& text, VavOrder vavOrder);
