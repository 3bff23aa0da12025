// A toolkit dock bar's layout pass: where each docked bar goes, the
// splitters between rows and between the bars of a row, the border lines
// each bar keeps next to its neighbours, and the room the dock bar takes.
//
// The pass works on the dock bar's entries (see KWDockRows.h) and changes
// them: each bar's new place and style, a break inserted before a bar that
// no longer fits, a menu bar moved into a row of its own. What needs the
// bars themselves (sharing a row among docking windows, fitting a toolbar
// behind its chevron) it asks of its host.
#pragma once

#include <vector>

#include "toolkit/core/KWBarInside.h"
#include "toolkit/core/KWDockRows.h"
#include "toolkit/core/KWDockSplitterTrack.h"

constexpr DWORD kKWBarBorderAny =
    kKWBarBorderLeft | kKWBarBorderTop | kKWBarBorderRight | kKWBarBorderBottom;
// The dock bar's toolkit style bit that leaves other bars' borders alone.
constexpr DWORD kKWDockKeepBarBorders = 0x80;
// What a toolbar's "all the room it wants" is.
constexpr int kKWUnlimitedLength = 32767;

class KWDockLayoutHost {
 public:
  virtual ~KWDockLayoutHost() = default;
  // Shares the row from index among its docking windows (their desired
  // lengths and thicknesses in the entries change).
  virtual void NormalizeRow(KWDockEntries& entries, int index) = 0;
  // A chevron toolbar at index fitted to room: the length it then takes.
  virtual int HideButtonsToFit(const KWDockEntry& bar, int length, int room) = 0;
  virtual int ShowHiddenButtons(const KWDockEntry& bar, int length, int room) = 0;
};

struct KWDockLayoutOptions {
  UINT nDockBarId = kKWDockBarTop;
  CSize sizeMax;            // the room the dock bar lays its rows out in
  CSize sizeBase;           // the plain control bar's fixed size
  BOOL bFloating = FALSE;   // a floating frame's dock bar
  BOOL bHasBottomDockBar = TRUE;
  DWORD dwExStyle = 0;      // the dock bar's toolkit style
  int cxOtherOverlap = 2;   // twice the system's border height
};

struct KWDockSplitterPlace {
  CRect rect;  // dock-bar client coordinates
  int nKind = kKWSplitterHorz;
  BOOL bRowSplitter = TRUE;
  int nIndex = 0;
};

struct KWDockLayoutResult {
  CSize size;  // the room the dock bar takes
  std::vector<KWDockSplitterPlace> splitters;
  std::vector<CRect> rects;  // a visible bar's new place; empty otherwise
  BOOL bRecalcLater = FALSE;  // the entries changed: lay the frame out again
};

BOOL KWIsHorzDockBar(UINT nDockBarId);

// Clears mask from the bar styles of the visible bars of the row of index:
// every docking window's, and unless bDockWindowsOnly (or the dock bar keeps
// bar borders) every other bar's as thick as the row.
void KWClearRowBorders(KWDockEntries& entries, int index, DWORD mask, BOOL bDockWindowsOnly,
                       DWORD dwExStyle);

KWDockLayoutResult KWLayOutDockBar(KWDockEntries& entries, const KWDockLayoutOptions& options,
                                   KWDockLayoutHost& host);
