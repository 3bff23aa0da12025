// The rounded frame around an owner-drawn item: dotted light grey with the
// focus, dark blue when selected, white (erasing an earlier frame) otherwise.
#pragma once

#include <windows.h>

void DrawItemFocusFrame(const DRAWITEMSTRUCT* pDIS);
