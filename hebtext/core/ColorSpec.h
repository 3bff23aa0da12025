// Colours written as text in mark-up and settings: "#RRGGBB", "X" with a
// COLORREF in hexadecimal, three decimal numbers, '|' for no colour, or a
// colour name such as "PALEYELLOW".
#pragma once

#include "classlib/core/WinTypes.h"

constexpr COLORREF kNoColorSpec = 0x0FFFFFFF;       // the text '|'
constexpr COLORREF kInvalidColorSpec = 0xFFFFFFFF;  // nothing recognised

COLORREF ParseColorSpec(LPCSTR text);
