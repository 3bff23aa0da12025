// The texts the one-line edit control exchanges with the clipboard: what a
// copy puts there under each export filter and direction, and what a paste
// makes of the clipboard's text under each import filter.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/core/VavOrder.h"

struct HebCharNode;

// Export and import filters, as the Copy Special and Paste Special radios number
// them; like the direction, int-based, so that any stored radio index converts.
enum ClipboardFilter : int {
  kFilterNone = 0,           // the program's own codes
  kFilterStandard = 1,       // Windows-1255 letters with combining points
  kFilterEnglishLayout = 2,  // typed on an English layout in another word processor (import only)
  kFilterUtf8 = 3,
  kFilterWideChar = 4,  // UTF-16 (import only; the copy always offers it)
};

enum ClipboardDirection : int { kForward = 0, kReverse = 1 };

// What Copy Special or Paste Special chose; the defaults are plain Copy and Paste.
struct ClipboardTextOptions {
  ClipboardFilter filter = kFilterNone;
  ClipboardDirection direction = kForward;
  VavOrder vavOrder = kVavThenHolam;
};

struct ClipboardTexts {
  CString ansi;        // for CF_TEXT, lines ending in CR LF
  WideString unicode;  // for CF_UNICODETEXT, standard Unicode Hebrew
};

// Builds both texts from the characters pFirst up to (not including) pStop
// of a control in Hebrew mode or not. FALSE, and nothing to copy, when they
// give no text.
BOOL BuildClipboardTexts(const HebCharNode* pFirst, const HebCharNode* pStop, bool hebrewMode,
                         const ClipboardTextOptions& options, ClipboardTexts& texts);

// Turns clipboard text (already 8-bit: Windows-1255 for the wide-character
// filter) into one line of the control's text. FALSE when the conversion
// was cancelled in the progress dialog: nothing must then be pasted.
BOOL FilterPastedText(CString& text, bool hebrewMode, const ClipboardTextOptions& options);
