// The private messages through which the main frame, the dictionary look-up
// list, the hover tip, the Hebrew list and the views' own controls talk to
// the grammar views. All are sent unless marked posted.
#pragma once

#include <windows.h>

#include "hebtext/win/SharedControlMessages.h"

// Non-zero when the view shows a table.
constexpr UINT WM_GRAM_GETTABLESHOWN = 0x465;
// The highest alternate-spelling index of the shown table, -1 when none.
constexpr UINT WM_GRAM_GETMAXALTERNATE = 0x466;
// The index of the selected cell, -1 when none is selected.
constexpr UINT WM_GRAM_GETSELECTEDCELL = 0x467;
// Posted by the hover tip: the view destroys it and forgets the hovered cell.
constexpr UINT WM_GRAM_CLOSETIP = 0x468;
// A control of the view took the focus (wParam: the control object): the
// view scrolls it into view. The shared controls send it.
constexpr UINT WM_NAV_FOCUS = kControlFocusMessage;
// An arrow key (wParam: virtual key 37-40; lParam: the control object) on a
// navigation control: the view moves to the neighbouring radio button.
constexpr UINT WM_GRAM_ARROWKEY = kNavArrowMessage;
// Open the copy pop-up menu (wParam: control id; lParam: screen point, x in
// the low word, y in the high word).
constexpr UINT WM_GRAM_CONTEXTMENU = kNotifyContextMenu;
// Stores a packed word record (wParam) and an extra byte (low byte of
// lParam) for the next WM_GRAM_SELECTWORD.
constexpr UINT WM_GRAM_SETPARAMS = 0x591;
// Posted after WM_GRAM_SETPARAMS (wParam: action byte): show the stored word.
constexpr UINT WM_GRAM_SELECTWORD = 0x592;
// Before WM_GRAM_SETPARAMS, with a non-empty text (lParam: zero-terminated):
// the text for the view's definition window.
constexpr UINT WM_GRAM_SETCAPTION = 0x593;
// From the Hebrew list (wParam: entry index): select that entry and clear the table.
constexpr UINT WM_HEBLIST_SELECT = 0x7e9;

static_assert(WM_NAV_FOCUS == 0x469 && WM_GRAM_ARROWKEY == 0x46a && WM_GRAM_CONTEXTMENU == 0x4c9,
              "the shared controls send the grammar views' numbers");
