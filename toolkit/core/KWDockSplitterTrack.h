// A dock-bar splitter's arithmetic: the range its drag may cover, how the
// mouse moves it and what the new extent does to the row, and the lines of
// its raised edge.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"
#include "toolkit/core/KWDockRows.h"

// The dock bars' control ids, which tell a row splitter's axis and sense.
constexpr UINT kKWDockBarTop = 0xE81B;
constexpr UINT kKWDockBarLeft = 0xE81C;
constexpr UINT kKWDockBarRight = 0xE81D;
constexpr UINT kKWDockBarBottom = 0xE81E;

// A vertical strip, dragged left and right; a horizontal one, up and down.
constexpr int kKWSplitterVert = 1;
constexpr int kKWSplitterHorz = 2;

// Dock-bar toolkit style bits the splitters read.
constexpr DWORD kKWDockFlatSplitters = 0x80;  // no raised edge, white-brush tracker
constexpr DWORD kKWDockNoFrameLine = 0x100;   // no dark outer line

struct KWSplitterExtent {
  int start = 0;
  int current = 0;
  int lower = 0;
  int upper = 0;
};

// A row splitter: the depth of the row of index, from its minimum up to what
// the frame can still give.
KWSplitterExtent KWRowSplitterLimits(const KWDockEntries& entries, int index, int nAvailable);
// A bar splitter at position (its strip's left or top) in front of index:
// the windows before it may shrink to their minimums, and so may those from
// index on.
KWSplitterExtent KWBarSplitterLimits(const KWDockEntries& entries, int index, int position);

// One step of a drag from ptDrag to ptMouse: the change of extent, taken
// along the splitter's axis in the sense that deepens the row (away from the
// frame's edge) and clamped to the limits, is added to the current extent.
// Returns how far the tracker and the drag point move.
CSize KWSplitterDrag(KWSplitterExtent& extent, UINT nDockBarId, BOOL bRowSplitter, int nKind,
                     CPoint ptMouse, CPoint ptDrag);

// A bar splitter moved by delta: the windows before index grow by it, those
// from index on shrink by it.
void KWApplyBarSplit(KWDockEntries& entries, int index, int delta);
// Every visible docking window of the row from index gets the thickness.
void KWSetRowThickness(KWDockEntries& entries, int index, int nThickness);

// The raised edge's one-pixel lines, drawn over the strip's button-face fill.
enum KWSplitterColor { kwSplitterHighlight, kwSplitterShadow, kwSplitterFrame };
struct KWSplitterLine {
  CRect rect;
  KWSplitterColor color;
};
// None in the flat look or with kKWDockFlatSplitters.
std::vector<KWSplitterLine> KWSplitterEdges(const CRect& strip, int nKind, DWORD dwDockStyle,
                                            BOOL bFlatLook);
