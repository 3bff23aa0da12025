// Drawing that the reading tutorial and the letter and vowel descriptions
// share: their fonts, an item drawn on its carrier letter, the colour
// mark-up of their texts, the spelling button and Hebrew words on buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "speech/core/ExampleHighlight.h"

class CDC;
class CFontInfo;

constexpr COLORREF kReferenceRed = RGB(210, 0, 0);
constexpr COLORREF kCarrierAqua = RGB(60, 255, 255);
constexpr COLORREF kReferenceNavy = RGB(0, 0, 128);
constexpr COLORREF kReferenceBlack = RGB(0, 0, 0);

// The spelling button's texts: its Hebrew words before the colon.
constexpr char kWithVowelsText[] = "\xEB\xFA\xE9\xE1 \xE7\xF1\xF8: With &Vowels";
constexpr char kWithoutVowelsText[] = "\xEB\xFA\xE9\xE1 \xEE\xEC\xE0: Without &Vowels";

// "Pomlar Sephardi 2" at the points, scaled from a 480-line screen, measured.
void MakeReferenceHebrewFont(CDC* pDC, CFontInfo& font, int points, int screenHeight);
// "Times New Roman" at the points, scaled the same way; the caller deletes it.
HFONT MakeReferenceTextFont(int points, int screenHeight);

// An item as shown large: a letter; a point or mark on its carrier letter
// (ayin under a hataf, bet under the others), the carrier in carrierColor;
// dagesh as a bet with dagesh.
int MeasureItemGlyph(const CFontInfo& font, int item);
// Draws the item with its right edge at x and returns its width.
int DrawItemGlyph(CDC* pDC, CFontInfo& font, int item, int x, int y, COLORREF color,
                  COLORREF carrierColor = kCarrierAqua);

// Where a mark-up text is drawn: its first indentedLines lines start indent
// pixels in from the area's left edge.
struct MarkupArea {
  RECT area;
  int indent = 0;
  int indentedLines = 0;
};
// The distance between the lines of a mark-up text.
int MarkupLineHeight(CDC* pDC, const CFontInfo& hebrewFont);
// Draws the text word by word with the English font selected and Hebrew
// runs in hebrewFont, wrapping at the area's right edge; each word or run
// takes its colour mark and returns to navy after it.
void PaintMarkup(CDC* pDC, const std::string& text, const MarkupArea& where, CFontInfo& hebrewFont);

// Frames an owner-drawn button (sunken while pressed, with the focus mark
// when focused) for drawing on it with a transparent background; TRUE while
// it is pressed.
BOOL FrameOwnerDrawnButton(CDC* pDC, const DRAWITEMSTRUCT& item);

// The spelling button: its Hebrew words in the Hebrew font, its English in
// the selected font, centred on one line, shifted while pressed.
void DrawSpellingToggle(CDC* pDC, CFontInfo& hebrewFont, const RECT& rect, BOOL pressed,
                        bool withoutVowels);

// A pointed word as a button shows it: without its stress marks when asked,
// in full spelling (unpointed, respelt) when asked, with where each pointed
// position went.
struct ShownWord {
  std::vector<BYTE> letters, vowels;  // zero-terminated
  int count = 0;
  bool pointed = true;
  std::vector<int> positions;
  std::vector<bool> vavAfter;  // a point now written as the vav after its letter
};
ShownWord PrepareShownWord(const std::string& pointed, bool clearStress, bool fullSpelling);

// Draws the word navy, centred across the area with its top at y, the
// position highlight in the highlight colours; returns the rectangle drawn.
RECT DrawShownWord(CDC* pDC, CFontInfo& font, const ShownWord& word, const RECT& area, int y,
                   int highlight, const ExampleColors& colors);
