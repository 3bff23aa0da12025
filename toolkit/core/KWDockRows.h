// The arithmetic of a toolkit dock bar's rows: how long and thick a row is,
// how much of its length the sizable docking windows may share, and how a
// change of length is passed from one docking window to the next.
//
// A dock bar keeps its bars in one array in which a break ends a row. Each
// entry here carries the sizes of its bar already turned to the dock bar's
// side: the length runs along the row, the thickness across it.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"

// Width of the splitter strip between two docking windows of a row, or
// between a docking window and a bar that follows it.
constexpr int kKWDockSplitterWidth = 6;
// The thinnest a row of bars that are not docking windows becomes.
constexpr int kKWMinRowThickness = 2;
// No entry: a query that finds nothing, or a row query with nothing left out.
constexpr int kKWNoEntry = -1;

struct KWDockEntry {
  enum Kind {
    kBar,
    kRowBreak,
    kPlaceholder,  // the place a floated bar comes back to; takes no room
  };
  // What the layout pass treats differently.
  enum BarClass {
    kOtherBar,         // overlaps its neighbours by its border
    kToolkitBar,       // a toolkit control bar: no overlap
    kMenuBar,          // a toolkit menu bar: always alone in its row
    kChevronToolBar,   // a toolkit toolbar with a chevron: fitted to its row
  };
  Kind kind = kRowBreak;
  BarClass barClass = kToolkitBar;
  const void* pOwner = nullptr;  // the caller's bar
  DWORD dwStyle = 0;             // its bar style (borders, floating, orientation)
  CRect rectCurrent;             // where it is now, in dock-bar client coordinates
  CRect rectNew;                 // where the layout pass puts it
  BOOL bVisible = FALSE;     // has a window that is visible
  BOOL bDockWindow = FALSE;  // a sizable docking window
  int nLength = 0;           // its length along the row now
  int nThickness = 0;        // its extent across the row
  // Docking windows only.
  int nDesiredLength = 0;
  int nMinLength = 0;
  BOOL bNew = FALSE;  // docked since the last layout pass
  BOOL bExpanded = FALSE;
  BOOL bOnlyInRow = FALSE;
};

using KWDockEntries = std::vector<KWDockEntry>;

// TRUE for a visible docking window.
BOOL KWIsVisibleDockWindow(const KWDockEntry& entry);
// TRUE when index is a bar whose row ends after it.
BOOL KWIsLastInRow(const KWDockEntries& entries, int index);
// First entry of the row that holds index; -1 when index is not an entry.
int KWRowStart(const KWDockEntries& entries, int index);
// The break (or the array's end) after index.
int KWRowEnd(const KWDockEntries& entries, int index);

// Row queries from index to the row's end; exclude (an entry, or -1) is left
// out. A visible bar that is not a docking window is a "fixed" bar.
int KWCountDockWindows(const KWDockEntries& entries, int index, int exclude);
int KWRowThickness(const KWDockEntries& entries, int index, int exclude);
int KWMinRowThickness(const KWDockEntries& entries, int index, int exclude);
int KWDesiredRowLength(const KWDockEntries& entries, int index, int exclude);
int KWMinRowLength(const KWDockEntries& entries, int index, int exclude);
// The length from index on that the docking windows cannot have: the fixed
// bars' lengths and the splitters in front of each docking window that
// follows another, and of each fixed bar that directly follows a docking
// window while more come after it. 0 when index is not an entry.
int KWFixedRowLength(const KWDockEntries& entries, int index, int exclude);

// Docking windows found from index: the first one docked since the last
// pass, the first one, and (from the row's start) the first expanded one
// that does not have the row to itself. -1 when none.
int KWFindNewDockWindow(const KWDockEntries& entries, int index);
int KWFirstDockWindow(const KWDockEntries& entries, int index);
int KWFindExpandedDockWindow(const KWDockEntries& entries, int index);

// Spread a change of length over the docking windows before index (nearest
// first) or from index on. A growth goes wholly to the nearest window; a
// shrink takes each window down to its minimum before passing on. Each
// window changed gets its new length as both desired and current length.
// Return what is left of delta.
int KWResizeBefore(KWDockEntries& entries, int index, int delta);
int KWResizeFrom(KWDockEntries& entries, int index, int delta);

// Shares the row's length nAvail among its docking windows from index, all
// at the row's thickness: each window's share of the free length is taken by
// truncating division, the last takes the rest, and none goes below its
// minimum; of a shrink, an earlier window takes the part that the later
// ones cannot give up. newWindow (an entry or -1), just docked, keeps its length
// and takes what is left at the end. A row with one docking window gives it
// all the free length. Returns the row thickness given to the windows.
int KWShareRowLength(KWDockEntries& entries, int index, int newWindow, int nAvail);
