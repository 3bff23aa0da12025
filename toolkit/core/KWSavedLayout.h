// A saved docking layout brought to the frame that loads it: the profile may
// come from an older program with other bars, from a frame with fewer dock
// sides, from a larger screen, or be damaged. What the frame can hold is
// kept, the rest dropped, and nothing is left where the user cannot reach it.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"

// More than any frame has: a larger count from a profile is damage.
constexpr int kKWMaxSavedBars = 256;
constexpr int kKWMaxSavedBarIds = 1024;

// The class library's dock-bar ids, and the flag its rows give a place kept
// for a bar that floats away.
constexpr UINT kKWSavedDockBarFloat = 0xE81F;
constexpr UINT kKWSavedPlaceHolderFlag = 0x10000;
constexpr UINT kKWSavedBarIdMask = 0xFFFF;
// A position that says "none" (never moved).
constexpr int kKWNoSavedPosition = -1;
// How much of a floating frame stays in the work area at the least, from its
// top-left corner.
constexpr int kKWMinReachable = 32;

// A count read from a profile, kept within [0, nMax].
int KWBoundSavedCount(int nCount, int nMax);

// One saved record, as much of it as fitting needs.
struct KWSavedBar {
  UINT nBarID = 0;
  bool bDockBar = false;
  bool bFloating = false;
  // A floating dock bar's top-left on the screen; a docked bar's in its dock bar.
  CPoint pos{kKWNoSavedPosition, kKWNoSavedPosition};
  bool bDocking = false;
  UINT nMRUDockID = 0;
  CRect rectMRUDock;  // in the dock bar
  CPoint ptMRUFloat;  // a floating frame's top-left on the screen
  // A dock bar's rows: bar ids, 0 ending a row, kKWSavedPlaceHolderFlag on
  // a kept place.
  std::vector<UINT> rows;
};

// A bar of the frame that loads the layout.
struct KWLayoutBar {
  UINT nID = 0;
  bool bDockBar = false;
  bool bDocks = false;  // it can be docked: a dock bar's rows may name it
};

struct KWLayoutHost {
  std::vector<KWLayoutBar> bars;
  CRect rectWork;  // the work area, on the screen
  // How far a floating frame reaches beyond its dock bar: caption and borders.
  CRect rectFrameBorders;
};

// Fits the records in place and answers the indexes of those to keep, in
// order; the others are dropped.
std::vector<size_t> KWFitSavedLayout(std::vector<KWSavedBar>& saved, const KWLayoutHost& host);
