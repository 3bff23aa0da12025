// The arithmetic of dragging a dockable bar: the drag rectangles kept under
// the cursor, which dock style the cursor is over, the Ctrl and Shift keys,
// the side a floated bar takes, the rectangle drawn as feedback and the area
// in which a dock bar takes a drop.
#pragma once

#include <functional>

#include "classlib/core/Geometry.h"

// Control-bar style bits the drag reads (the class library's values).
constexpr DWORD kKWAlignLeft = 0x1000;
constexpr DWORD kKWAlignTop = 0x2000;
constexpr DWORD kKWAlignRight = 0x4000;
constexpr DWORD kKWAlignBottom = 0x8000;
constexpr DWORD kKWAlignAny = 0xF000;
constexpr DWORD kKWOrientHorz = kKWAlignTop | kKWAlignBottom;
constexpr DWORD kKWOrientVert = kKWAlignLeft | kKWAlignRight;
constexpr DWORD kKWFloatMulti = 0x0040;
constexpr DWORD kKWSizeDynamic = 0x0004;

// A dock bar with no width or height still takes a drop this close to it.
constexpr int kKWEmptyDockBarReach = 4;

// The four rectangles a drag moves with the cursor: where the bar would dock
// lying horizontally or vertically, and where its floating frame would go.
struct KWDragRects {
  CRect dragHorz;
  CRect dragVert;
  CRect frameHorz;
  CRect frameVert;
};

// How a bar sizes itself, which decides where a drag's rectangles start.
enum KWBarSizing { kwSizeDynamic, kwSizeFixed, kwSizeOther };
struct KWDragStart {
  KWBarSizing sizing = kwSizeOther;
  CRect bar;  // the bar's window rectangle
  CPoint pt;  // where the mouse went down
  BOOL bBarHorz = FALSE;
  CSize horz;   // docked horizontally (dynamic and fixed bars)
  CSize vert;   // docked vertically (dynamic and fixed bars)
  CSize other;  // in the other orientation than the bar's own (any other bar)
  CSize floating;  // floating (dynamic bars)
  CRect frameBorders;  // how far a floating frame reaches beyond the bar on each side
};
// The drag rectangles as a drag begins, each holding the point.
KWDragRects KWStartDragRects(const KWDragStart& s);

// Moves rect by the least amount that puts pt inside it, on each axis.
void KWKeepUnderCursor(CRect& rect, CPoint pt);
// The same for all four rectangles.
void KWKeepUnderCursor(KWDragRects& rects, CPoint pt);
// One step of the drag: all four rectangles move by delta.
void KWMoveDragRects(KWDragRects& rects, CSize delta);

// Answers the style of the dock bar that would take rect (the bar's style
// masked by the asked style), 0 for none.
using KWDockProbe = std::function<DWORD(const CRect& rect, DWORD dwStyle)>;

// The dock style the drag is over. The bar's own orientation (flipped by
// Shift) is tried first; unflipped, the other orientation counts only when
// both its rectangles land on the same dock bar.
DWORD KWOverDockStyle(const KWDragRects& rects, BOOL bBarHorz, BOOL bFlip, DWORD dwDockStyle,
                      const KWDockProbe& probe);

// Ctrl keeps the bar from docking; Shift flips its orientation, only for a
// bar that may dock both ways.
struct KWDragKeys {
  BOOL bForceFrame = FALSE;
  BOOL bFlip = FALSE;
};
enum KWDragKey { kwKeyControl, kwKeyShift };
// Returns whether the state changed.
BOOL KWApplyDragKey(KWDragKeys& keys, KWDragKey key, BOOL bDown, DWORD dwDockStyle);

// The floating style of a bar dropped away from the dock bars: along the top
// when it sizes itself or lies horizontally (after any flip), else along the
// left, keeping the dock style's multi-bar float bit.
DWORD KWFloatStyle(DWORD dwBarStyle, BOOL bBarHorz, BOOL bFlip, DWORD dwDockStyle);

// What the drag draws on the screen.
struct KWDragFeedback {
  CRect rect;
  CSize edge;
  BOOL bHalftone = FALSE;  // the floating frame's brush; the white one over a dock bar
};
struct KWFeedbackInput {
  KWDragRects rects;
  DWORD dwOverDockStyle = 0;
  CRect dockBar;  // the dock bar under the cursor, empty for none
  BOOL bDockWindow = FALSE;
  BOOL bBarHorz = FALSE;
  BOOL bFlip = FALSE;
  CSize frameMetrics;  // the system's sizing-frame width and height
  BOOL bRemove = FALSE;
};
// A docking window dragged beside a dock bar it does not reach shows a
// rectangle as long as the whole dock bar.
KWDragFeedback KWDragFeedbackFor(const KWFeedbackInput& in);

// The area of a dock bar that takes a drop, in screen coordinates: its
// window, reached from a few pixels away when it is empty, clipped to its
// parent's client area when they overlap.
CRect KWDockBarHitArea(const CRect& window, const CRect& parentClient);
