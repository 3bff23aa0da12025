// How the Hebrew list beside a grammar table answers its keys: which entry
// a key selects and where the list scrolls to show it. The list box itself
// (tables/win/CHebListBox.h) applies the answer.
#pragma once

#include "classlib/core/WinTypes.h"

// The virtual keys the list moves on.
constexpr UINT kListKeyPageUp = 33;
constexpr UINT kListKeyPageDown = 34;
constexpr UINT kListKeyEnd = 35;
constexpr UINT kListKeyHome = 36;
constexpr UINT kListKeyUp = 38;
constexpr UINT kListKeyDown = 40;

struct HebListState {
  int current;  // the selected entry, -1 when none
  int top;      // the first entry shown
  int rows;     // entries the list shows at once (at least 1)
  int count;    // entries in the list
};

struct HebListMove {
  bool moves;    // false: the key leaves selection and scrolling as they are
  int selected;  // the entry to select
  int top;       // the first entry to show, so that the selected one is visible
};

// The last entry shown: top + rows - 1, at most the last entry.
int HebListLastVisible(const HebListState& state);

// The answer to one key. Up and Page Up do nothing at the first entry or
// without a selection, Down, Page Down and End nothing at the last; Page
// Down never goes past the last entry. Keys other than the six above do
// nothing.
HebListMove HebListKeyMove(UINT key, const HebListState& state);

// The top entry that puts the selection in the middle of the rows, never
// before the first.
int HebListCenteredTop(int selection, int rows);

// The rows a list of the client height shows of items of the given height:
// at least one, and one a row when the height is unknown (0).
int HebListVisibleRows(int clientHeight, int itemHeight);
