// Size lists of the font boxes: the toolbar's size box and the font dialogs.
#pragma once

#include "classlib/win/CWnd.h"

// Appends to the window's combo box the standard sizes it lacks, with the
// current size text in its place among them (FontSizeBox.h).
void FillFontSizeCombo(CWnd* pParent, int nComboId, LPCSTR currentSize);
