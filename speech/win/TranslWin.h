// The transliteration popup "TranslWin": at most one at a time, shown next
// to the word it transliterates, closed by a key or click on it, by the next
// transcription or with its parent. Closing it also stops speech.
#pragma once

#include <windows.h>

class CFontInfo;

// The popup's creation record.
struct TranslWinCreate {
  BOOL placement;      // 1: always in the widest area around the word
  LPCSTR text;         // the marked display text
  POINT point;         // x == kNoPoint: no point given
  LONG wordBottom;
  RECT word;
};
constexpr LONG kNoPoint = 0x7FFFFFFF;

// The font the popup draws in (the program's transliteration font); the
// default GUI font while none is set.
void SetTranslitDisplayFont(CFontInfo* pFont);

// Registers the class on first use and creates the popup as a child of
// parent; when a popup exists it is returned and nothing is created.
// Returns null when the text fits nowhere around the word.
HWND CreateTranslWin(HWND parent, LPCSTR text, const POINT* point, const RECT* word,
                     BOOL placement);

// Destroys the popup when there is one, then stops speech.
void DestroyTranslWin();

// Makes popup the window DestroyTranslWin closes.
void SetTranslWin(HWND popup);

// Repaints the popup, with a rectangle of window's client area only when
// the popup crosses it.
void RedrawTranslWin(HWND window, const RECT* rect);

// Lays out (and with draw set, draws) the marked text in the rectangle, or
// from the top left of the device without one. Returns the number of lines,
// 0 when it does not fit; the rectangle is reduced to what was used.
int DrawTranslitRuns(HDC dc, LPCSTR text, RECT* rect, BOOL draw);

LRESULT CALLBACK TranslWinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
