// Where the hover tip of a grammar cell goes: beside the cursor, a little
// right of and below the hot spot, with a margin of one space around the
// table it shows.
#pragma once

#include "classlib/core/WinTypes.h"

struct TipPlacement {
  RECT window;  // screen coordinates of the tip window
  RECT table;   // where the table is painted, in the window's client coordinates
};

// anchor: the cursor's hot spot (screen); cursor: the system's cursor size;
// bounds: the measured table (left and top 0); space: the extent of one
// space in the tip's font. False, with nothing placed, when the table is
// empty: the tip then closes without showing.
bool PlaceTip(POINT anchor, SIZE cursor, const RECT& bounds, SIZE space, TipPlacement& placement);
