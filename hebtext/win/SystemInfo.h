// The system as the program sees it: the OS version, the desktop area, a
// one-message pump and the main window's class.
#pragma once

#include <windows.h>

// Filled by GetOSDescription; dwPlatformId 1 is Windows 95/98/Me, 2 the NT family.
extern OSVERSIONINFOEXA g_osVersion;

// Fills g_osVersion (the extended record, else the basic one); FALSE when
// neither could be had.
BOOL GetOSDescription();
// The virtual screen on systems that have one (98, Me, 2000 and later),
// else the primary screen from 0, 0.
void GetDesktopWorkRect(int& left, int& top, int& width, int& height);
// Handles one waiting message of the thread unless it is a dialog message of
// its window; TRUE when one was taken. A quit message is left for the main
// loop.
BOOL PumpOneMessage();
// Registers the program's own copy of an existing window class under a new
// name with the icon resource; the new name, or nullptr on failure.
LPCSTR RegisterMainWndClass(LPCSTR newClassName, LPCSTR existingClassName, UINT iconId);
