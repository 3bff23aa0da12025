// The preferences whose defaults come from the system: the editor colours
// (the current system colours) and window places (the screen's size).
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/PreferenceTexts.h"

// COLOR_WINDOWTEXT, COLOR_WINDOW, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT.
EditorColors GetSystemEditorColors();

// "ColorHebrew" or "ColorEnglish" of "General". A selected-text colour of
// -1 keeps the stored selection pair and writes only text and background.
void SaveEditorColors(COLORREF text, COLORREF background, COLORREF selectedText,
                      COLORREF selectionBackground, int hebrew);
void LoadEditorColors(COLORREF& text, COLORREF& background, COLORREF& selectedText,
                      COLORREF& selectionBackground, int hebrew);

// A window's place under its key of "General". Loading gives -1 four times
// when none is stored and the full screen when the stored one is off it.
void SaveWindowRect(const RECT& rect, LPCSTR key);
void LoadWindowRect(RECT& rect, LPCSTR key);
BOOL IsRectOffScreen(const RECT& rect);
