// What a test reads back from the program it drives: the clipboard's text
// after a copy, where a window stands, and the hover tip it shows.
#pragma once

#include <windows.h>

#include <string>

// The clipboard's Unicode text as UTF-8; empty when it holds none.
std::string ClipboardUtf8();

// The centre of the window on the screen.
POINT CenterOf(HWND hWnd);

// A visible pop-up tool window of the process (the hover tip); nullptr
// when there is none.
HWND FindTipWindow(DWORD processId);
