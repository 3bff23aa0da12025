// What a numeric or short text field accepts while the user types.
#pragma once

#include "classlib/core/WinTypes.h"

// Flags of ValidateEditText.
constexpr UINT kEditAllowLetters = 0x01;
constexpr UINT kEditAllowDigits = 0x02;
constexpr UINT kEditAllowDash = 0x04;
constexpr UINT kEditAllowOnePunct = 0x08;  // once: the decimal point
constexpr UINT kEditAllowSlash = 0x10;
constexpr UINT kEditUpperCase = 0x20;  // letters are turned to upper case
constexpr UINT kEditAllowUnitSuffix = 0x40;

// The inch mark, with or without a blank before it, or " cm", " cm.",
// " mm", " mm." (case ignored), as the whole text.
BOOL IsMeasureUnitSuffix(LPCSTR text);
// TRUE when every character of the text is allowed by the flags; an empty
// text passes.
BOOL ValidateEditText(LPCSTR text, UINT flags);
