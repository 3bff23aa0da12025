// Paints a control without flicker: its own WM_PAINT is drawn by the
// control's default procedure into a memory DC filled with the background
// colour, which is then copied to the screen. Controls that paint this way
// leave WM_ERASEBKGND undone.
#pragma once

#include <windows.h>

#include "classlib/win/CWnd.h"

// For the control's WM_PAINT; returns the default procedure's result.
LRESULT KWPaintOffScreen(CWnd* pWnd, COLORREF clrBack);
