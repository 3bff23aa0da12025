// The arithmetic of a toolbar's rows: where its buttons wrap for a width,
// the size the rows take, and the narrowest wrapping that keeps a length.
//
// A button wraps after itself: the next visible button starts a new row. A
// separator that ends a row takes no room in it; it leaves a gap between
// the rows two thirds as high as it is wide instead, as the toolbar control
// lays it out.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"

struct ToolBarItem {
  int cx = 0;  // the width (a separator's is its width)
  int cy = 0;  // the height
  bool bSeparator = false;
  bool bHidden = false;  // takes no room
  bool bWrap = false;    // the row ends after this item
};

// Lengths at least this long never wrap.
constexpr int kToolBarUnlimited = 32767;

// Wraps the visible items into rows no wider than nWidth, after the last
// separator that lets the row fit, else after the last button before the
// one that does not fit; a button wider than nWidth alone in its row stays.
// Returns the number of rows.
int WrapToolBar(std::vector<ToolBarItem>& items, int nWidth);

// The size the wrapped rows take.
CSize CalcToolBarSize(const std::vector<ToolBarItem>& items);

// Wraps the items for a length: horizontally (bVert false) the narrowest
// rows that keep the number of rows nLength gives; vertically the narrowest
// rows whose height fits nLength, else one row. Returns the size.
CSize SizeToolBar(std::vector<ToolBarItem>& items, int nLength, bool bVert);
