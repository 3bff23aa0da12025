// The transliteration popup: at most one at a time, shown by the window that
// transliterates a word and closed by any click or key elsewhere.
#pragma once

#include <windows.h>

// Makes popup the transliteration window that DestroyTranslWin closes.
void SetTranslWin(HWND popup);

// Closes the transliteration window when there is one.
void DestroyTranslWin();
