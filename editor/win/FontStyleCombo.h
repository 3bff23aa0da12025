// The style names in a font dialog's style combo.
#pragma once

#include "classlib/win/CWnd.h"

// Appends to the dialog's style combo every style name from the first on
// that the combo does not list yet.
void FillFontStyleCombo(CWnd* pDialog, UINT firstStyle);
