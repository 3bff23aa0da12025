// Positions of bars saved on a screen of one size, brought to the screen the
// program runs on now: scaled by the ratio of the sizes and kept where the
// user can reach them.
#pragma once

#include "classlib/core/Geometry.h"

// The point that stands for "no position" in saved bar state; never scaled.
constexpr int kNoDockPosition = -1;

// How much of a floating frame stays on the screen at the least, from its
// top-left corner: enough of its caption to take hold of.
constexpr int kMinOnScreen = 32;

// pt kept on a screen of sizeScreen with kMinOnScreen of room to its right
// and below it (a screen of no size keeps it as it is).
CPoint KeepDockPointOnScreen(CPoint pt, CSize sizeScreen);
// pt scaled from sizeSaved to sizeNow (a saved size of zero leaves it as it
// is), then kept on a screen of sizeNow. The "no position" point stays as
// it is.
CPoint ScaleDockPoint(CPoint pt, CSize sizeSaved, CSize sizeNow);
// The rectangle moved so that its top-left corner is ScaleDockPoint's; its
// size stays.
CRect ScaleDockRectPos(const CRect& rect, CSize sizeSaved, CSize sizeNow);
