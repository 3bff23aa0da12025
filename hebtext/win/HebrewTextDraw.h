// Measuring and drawing pointed Hebrew in the program's Hebrew fonts, glyph
// by glyph from a right edge, with widths from the font's width table.
#pragma once

#include <windows.h>

#include "hebtext/core/HebrewGlyphRun.h"

class CDC;
class CFontInfo;

// 1-6 for the program's six faces, 0 for any other (HebrewFontFamily.h).
int GetHebrewFontFamily(const CFontInfo& font);

// Draws letters/vowels (count, or -1 for the letters' length) ending at the
// right edge x, in the font already selected into pDC, with the background
// mode the caller set. Glyphs go out with ExtTextOut (clipped to pClip when
// given) or, with plainOutput, with TextOut. qamatsQatanColor is a colour,
// kQamatsQatanByPrefs or kQamatsQatanAsText; highlightIndex a position,
// kNoHighlight or kHighlightWholeRun. Unpointed runs drawn with keepShinDots
// keep the dots of shin and sin.
void DrawHebrewText(CDC* pDC, CFontInfo* pFont, int x, int y, const BYTE* letters,
                    const BYTE* vowels, int count, COLORREF letterColor, COLORREF vowelColor,
                    BOOL withVowels, COLORREF qamatsQatanColor, const RECT* pClip, BOOL plainOutput,
                    COLORREF highlightLetterColor, COLORREF highlightVowelColor, int highlightIndex,
                    BOOL keepShinDots = FALSE);

// The width DrawHebrewText gives the same run (unpointed: without shin dots).
int MeasureHebrewText(const CFontInfo& font, const BYTE* letters, const BYTE* vowels, int count,
                      BOOL withVowels);

// A meteg under the letter (of width letterWidth, right edge x) when vowel is
// a stressed code.
void DrawStressMark(CDC* pDC, const CFontInfo& font, int x, int y, int vowel, int letterWidth,
                    int letter, COLORREF color, const RECT* pClip);
