// Where the hidden-buttons popup goes and how its rows are cut: the popup of
// a docked toolbar's chevron, holding the buttons the row had no room for.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"

// The popup's rows are six buttons wide, at most this.
constexpr int kKWHiddenRowButtons = 6;
constexpr int kKWHiddenRowMaxWidth = 250;

// The row width for buttons cxButton wide.
int KWHiddenRowWidth(int cxButton);

enum class KWDockSide { Top, Bottom, Left, Right, Floating };

// The popup's top-left for a window of size beside the chevron's screen
// rectangle: above a bar docked at the bottom, left of one at the right,
// right of one at the left, else below; its far edge in line with the
// chevron's.
CPoint KWHiddenPopupOrigin(const CRect& chevron, CSize size, KWDockSide side);

// The rows the hidden buttons of widths take: the indexes before which a new
// row starts because the running width would pass nRowWidth (at least the
// widest button).
std::vector<int> KWHiddenRowBreaks(const std::vector<int>& widths, int nRowWidth);

// The line where a popup touches its button, in the popup's window
// coordinates: true with from and to when the rectangles meet along a line
// longer than two pixels.
bool KWPopupJoint(const CRect& button, const CRect& window, CPoint& from, CPoint& to);
