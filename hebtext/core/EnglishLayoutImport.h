// Import of text typed in another Hebrew word processor on an English
// layout (the "DavkaWriter" paste filter): each byte stands for the key that
// was typed, and vowels, meteg and combined glyphs are then put in HebChar
// order.
#pragma once

#include "classlib/core/WinTypes.h"

class CString;

// The HebChar code of one byte of that text; 0 for a byte that has none.
int EnglishLayoutCharToHebChar(int c);

// Maps each byte through EnglishLayoutCharToHebChar, leaving out those that
// give 0.
void EnglishLayoutToHebrew(CString& text);

// Rewrites double vowels, meteg and the combined glyph codes of mapped text
// so that each letter is followed by at most one (possibly stressed) vowel.
void ReorderVowelSequences(CString& text);
