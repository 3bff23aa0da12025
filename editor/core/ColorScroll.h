// The arithmetic of the colour dialog: its red, green and blue fields with
// their scroll bars (0-255 each), and the texts of its palette.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// The scroll codes a colour bar reports, as the system numbers them.
enum RgbScrollCode : UINT {
  kRgbLineLeft = 0,
  kRgbLineRight = 1,
  kRgbPageLeft = 2,
  kRgbPageRight = 3,
  kRgbThumbPosition = 4,
  kRgbThumbTrack = 5,
  kRgbLeftEnd = 6,
  kRgbRightEnd = 7,
};

constexpr int kRgbMin = 0;
constexpr int kRgbMax = 255;
constexpr int kRgbPageStep = 16;
// The longest text a colour field is read with.
constexpr int kRgbFieldChars = 10;

// Where a bar at `current` moves for the scroll code (`thumb` is the
// thumb's position); FALSE when it stays, at its end or for another code.
BOOL RgbScrollValue(UINT code, int current, int thumb, int& value);
// The field's number as the colour takes it: its first kRgbFieldChars
// characters read as a number, cut to 8 bits.
BYTE RgbFieldValue(LPCSTR text);
// A field the bar may follow: a number 0-255, blanks around it allowed.
BOOL ParseRgbField(LPCSTR text, int& value);
// How a field shows a value: right-aligned in three places.
CString FormatRgbField(int value);
// A palette entry's text: red, green and blue as three numbers 0-255.
BOOL ParsePaletteColor(LPCSTR text, COLORREF& color);
