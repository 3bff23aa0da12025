// Line ends and line direction of text in the HebChar code (or any 8-bit
// text): the forms other programs and the one-line edit control expect, and
// visual (reversed) lines turned into logical order and back.
#pragma once

#include "classlib/core/WinTypes.h"

class CString;

// Every carriage return becomes carriage return and line feed.
void CrToCrLf(CString& text);

// Carriage return plus line feed, then any other line feed, become a single
// carriage return.
void NormalizeLineEndsToCr(CString& text);

// Carriage returns, line feeds, form feeds and tabs become spaces.
void ControlCharsToBlanks(CString& text);

// Reverses each line (lines end at carriage returns) and keeps the lines in
// their order. With movePoints each vowel is first put before its letter, so
// that after the reversal it follows its letter again.
void ReverseTextLines(CString& text, BOOL movePoints);

// Writes each letter's vowel before the letter.
void MovePointsBeforeLetters(CString& text);
