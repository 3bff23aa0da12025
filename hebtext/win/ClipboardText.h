// Text on the clipboard: CF_TEXT and the registered "Rich Text Format" as
// 8-bit text, CF_UNICODETEXT as UTF-16 (read back as the program's Hebrew).
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

// The registered "Rich Text Format" clipboard format.
UINT GetRtfClipboardFormat();

// Puts the text on the clipboard (emptied first when asked), opened for the
// main window. When the clipboard cannot be opened the user is told; FALSE
// whenever the text did not get there.
BOOL CopyTextToClipboard(LPCSTR text, UINT format, BOOL emptyFirst);
BOOL CopyTextToClipboard(LPCWSTR text, BOOL emptyFirst);  // CF_UNICODETEXT
// The text of that format; empty, and FALSE, when the clipboard cannot be
// opened or does not hold it.
BOOL ReadClipboardText(HWND hWnd, UINT format, CString& text);
// Of CF_TEXT and CF_UNICODETEXT, the one the clipboard lists first: the one
// its source put there, the other being made from it by the system. 0 when
// it holds neither or cannot be opened.
UINT GetPlacedTextFormat(HWND hWnd);
// Characters of CF_TEXT or CF_UNICODETEXT; for RTF 1 when the data begin
// with "{\rtf", else 0; 0 when the format is absent.
int GetClipboardTextLength(HWND hWnd, UINT format);
