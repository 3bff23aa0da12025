// How far a view scrolls to bring a rectangle into its visible part.
#pragma once

#include "classlib/core/WinTypes.h"

// The new top-left of the visible rectangle (both in scroll coordinates):
// unchanged when the target lies inside; otherwise on each axis the
// target's near edge when it lies before, or so that its far edge is just
// visible when it lies beyond; never below 0.
POINT ScrollPositionToShow(const RECT& visible, const RECT& target);
