// What the toolbar, the menu bar and the popup tracker tell the owner-drawn
// menus about the menu about to drop: the side it drops from, the button it
// drops from, and that a toolkit popup menu is being tracked.
#pragma once

#include <windows.h>

#include "classlib/core/Geometry.h"

// The aligned side of the bar the menu drops from (CBRS_ALIGN_* bits), 0 for none.
extern DWORD g_dwKWMenuOrigin;
// The screen rectangle of the button or entry the menu drops from.
extern CRect g_rectKWDropButton;
// A CKWPopupMenu exists.
extern BYTE g_bKWPopupTracking;
