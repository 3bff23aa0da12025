// The names of the style bits (1 bold, 2 italic, 4 underline) that the font
// dialogs show and the Switch Font list writes.
#pragma once

#include "classlib/core/WinTypes.h"

// One name for each value of the three style bits.
constexpr int kFontStyleNameCount = 8;

// The name of the style bits, the higher bits ignored.
LPCSTR StyleIndexToName(UINT style);
// The style bits a name stands for, case ignored; 0 (Regular) for no name.
UINT StyleNameToIndex(LPCSTR name);
// Whether the text is one of the names, case ignored.
BOOL IsFontStyleName(LPCSTR name);
