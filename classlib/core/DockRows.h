// The arithmetic of a dock bar's rows: where each docked bar goes, when a bar
// that no longer fits wraps into a row of its own, how much room the dock bar
// takes from its frame, and where a bar dropped on it joins the rows.
//
// A dock bar keeps its bars in one list in which a break ends a row. The
// arithmetic works in the dock bar's client coordinates; for a left or right
// dock bar rows run top to bottom, and the functions turn x and y round
// themselves.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/Geometry.h"

// One entry of a dock bar's list.
struct DockSlot {
  enum Kind {
    kBar,          // a docked bar
    kRowBreak,     // the end of a row
    kPlaceholder,  // the place a floated bar comes back to; takes no room
  };
  Kind kind = kRowBreak;
  BOOL bVisible = FALSE;
  CSize size;         // the bar's size docked on this side
  CRect rectCurrent;  // where the bar is now
};

struct DockRowsOptions {
  BOOL bHorz = TRUE;       // rows run left to right (a top or bottom dock bar)
  BOOL bFloating = FALSE;  // a floating frame's dock bar: bars are packed and never wrap
  int nLength = 0;         // the room along a row
  int nOverlap = 0;        // how far neighbouring bars (and rows) share their edges
};

struct DockRowsLayout {
  std::vector<CRect> rects;        // one a slot; empty for breaks, placeholders, hidden bars
  std::vector<size_t> wrapBefore;  // slots before which a new row starts, ascending
  CSize size;                      // the room the rows take (not stretched)
};

// Lays the rows out. A bar keeps the offset along its row that it was dragged
// to, moves back towards the row's start when the row is too short for it,
// and starts a new row when no part of it is left in the room.
DockRowsLayout LayOutDockRows(const std::vector<DockSlot>& slots, const DockRowsOptions& options);

// Where a bar dropped with its top-left corner at ptDrop goes: the slot it is
// inserted before, and whether it takes a row of its own (a break is then
// inserted after it). A drop above the first row or below the last one makes
// a new row there; a drop across a row joins it after the bars that begin
// before the drop.
struct DockInsertion {
  size_t nIndex = 0;
  BOOL bNewRow = FALSE;
};
DockInsertion FindDockInsertion(const std::vector<DockSlot>& slots, BOOL bHorz, CPoint ptDrop);
