// What every docking window of the main frame does alike: answers help with
// its bar's help context, and passes the keyboard focus on when it is hidden.
#pragma once

#include <windows.h>

#include "shell/core/DockFocus.h"

// The help context of a docking window: its bar id above a base of its own.
LRESULT BarHelpContext(UINT barId);

// Opens the help of a docking window.
void ShowBarHelp(UINT barId);

// Posts the Window menu's focus command that moves the focus on from the
// docking window just hidden, when there is a window to take it.
void PassFocusOnAfterHide(dockfocus::Hidden hidden);
