// The application's live copies of the General preferences KAMStyle and
// KAMColor: whether qamats qatan is shown in a colour of its own, and which.
// They start at the program's defaults until the preferences are loaded.
#pragma once

#include "classlib/core/WinTypes.h"

int GetKamStyle();  // 0 text colour, 1 the KAMColor colour
COLORREF GetKamColor();
void SetKamStyle(int style);  // any non-zero style is kept as 1
void SetKamColor(COLORREF color);
