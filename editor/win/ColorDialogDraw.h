// The drawing and field work of the colour dialog: the swatch, the red,
// green and blue fields with their scroll bars, the palette buttons and the
// sample text in the chosen colours.
#pragma once

#include <windows.h>

class CWnd;

// The colour that means none.
constexpr COLORREF kNoColor = 0xFFFFFFFF;

// The swatch control filled with the colour (its left half as the pure
// colour) and framed in black; "None" for kNoColor.
void DrawColorSample(CWnd* pDialog, COLORREF color);
// The three fields' numbers, each cut to 8 bits.
COLORREF GetRgbFromEdits(CWnd* pDialog);
// The fields and bars set to the colour.
void SetRgbControls(CWnd* pDialog, COLORREF color);
// The bar follows a field holding 0-255 and the swatch is redrawn: 1.
// Any other text is taken back to the field's last good value: 0.
int SyncScrollFromEdit(CWnd* pDialog, int editId);
// A scroll of a colour bar: the bar and its field take the new value and
// the swatch is redrawn.
void HandleRgbScroll(CWnd* pDialog, UINT code, UINT position, HWND hScrollBar);
void InitRgbScrollBars(CWnd* pDialog);
// A palette button face in its colour; the colour when the button is
// pressed, else kNoColor.
COLORREF DrawColorListItem(const DRAWITEMSTRUCT* pItem);
// The sample frame in the background colour with the sample letters in the
// text colour and font: Hebrew letters for a Hebrew font, else "abcxyz".
void DrawColorSampleText(CWnd* pDialog, int controlId, COLORREF text, COLORREF back, HFONT hFont,
                         BOOL hebrew);
