// Real keyboard and mouse input for UI tests, as a user gives it: keys of the
// US keyboard and clicks at points of the screen.
#pragma once

#include <windows.h>

#include <string>

// Presses the keys of the text, Shift where a character needs it.
void SendText(const std::string& text);
// A key pressed count times by itself.
void SendKey(WORD vk, int count = 1);
// A key pressed count times with a modifier (VK_SHIFT, VK_CONTROL) held.
void SendChord(WORD modifier, WORD vk, int count = 1);
// A key pressed once with two modifiers held (Ctrl+Shift+F).
void SendShortcut(WORD modifier1, WORD modifier2, WORD vk);
// A move of the pointer to a screen point, for SendInput.
INPUT MouseMoveInput(POINT screen);
// A mouse button event (MOUSEEVENTF_LEFTDOWN, ...), for SendInput.
INPUT MouseButtonInput(DWORD flags);
// Clicks (twice for a double click) at a screen point; the button events go
// where the move before them put the pointer.
void ClickAt(POINT screen, int clicks = 1);
// A click of the right button at a screen point.
void RightClickAt(POINT screen);
// Moves the pointer to a screen point.
void MoveMouseTo(POINT screen);
