// Questions the main frame asks the active grammar view.
#pragma once

#include <windows.h>

// Non-zero when the view shows a table.
constexpr UINT WM_GRAM_GETTABLESHOWN = 0x465;
// The highest alternate-spelling index of the shown form, -1 when none.
constexpr UINT WM_GRAM_GETMAXALTERNATE = 0x466;
// The index of the selected cell, -1 when none is selected.
constexpr UINT WM_GRAM_GETSELECTEDCELL = 0x467;
