// The resize layout's arithmetic: how a control's edges follow its owner's
// change in size, the window-position call that moves it, and the owner's
// tracking limits.
#pragma once

#include "classlib/core/Geometry.h"
#include "toolkit/core/CKWResizeRect.h"

// Option bits of a resize layout.
enum KWResizeFlag : UINT {
  kwResizeNoGrip = 1,
  kwResizeFixedWidth = 2,
  kwResizeFixedHeight = 4,
  kwResizeMayShrink = 8,        // the initial size is not the minimum
  kwResizeNoClipChildren = 16,  // WS_CLIPCHILDREN is not added to the owner
  kwResizeNoTransparent = 32,   // registered group boxes stay opaque
};

// SetWindowPos flags the layout uses, as the system defines them.
constexpr UINT kwSwpNoSize = 0x0001;
constexpr UINT kwSwpNoMove = 0x0002;
constexpr UINT kwSwpMoveFlags = 0x0214;  // SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER

// Each edge moves by its fraction of the change in width (left, right) or
// height (top, bottom).
CKWResizeRect KWMoveResizeRect(const CKWResizeRect& pos, const CKWResizeRect& anchors, int dx,
                               int dy);

// Where a control is put for a position: each value truncated toward zero.
CRect KWTruncatedRect(const CKWResizeRect& pos);

// The window-position flags for moving a control now at `current` (parent
// client coordinates) to `target`: an unchanged corner or size is not sent.
UINT KWResizeMoveFlags(const CRect& current, const CRect& target);

// The owner's tracking limits, in the order MINMAXINFO keeps them.
struct KWTrackLimits {
  CPoint maxSize;
  CPoint minTrack;
  CPoint maxTrack;
};

// Fixed width or height hold the owner at its stored size; then each
// non-zero minimum and maximum is a tracking limit. Nothing with no stored
// window.
void KWApplyTrackLimits(UINT flags, const CRect& stored, CSize minSize, CSize maxSize,
                        KWTrackLimits& limits);
