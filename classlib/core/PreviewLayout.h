// Where print preview puts its pages and how large: the page fitted to the
// window, the zoom steps, and the page the vertical scroll bar asks for.
// Sizes are screen pixels; a page's own size is the printed page at the
// screen's resolution, so a ratio of 1:1 shows it as large as on paper.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

struct ScaleRatio {
  int nNum;
  int nDen;
  bool operator==(const ScaleRatio& other) const {
    return nNum == other.nNum && nDen == other.nDen;
  }
};

// Zoom states: the whole page in the window, half way, and larger.
enum PreviewZoom { kZoomOut = 0, kZoomMiddle = 1, kZoomIn = 2 };
constexpr int kPreviewZoomStates = 3;
// Pages and boxes keep this far from the window's edges and each other.
constexpr int kPreviewMargin = 8;
// The shadow under and right of each page.
constexpr int kPreviewShadow = 3;

// The ratio that fits a page into a box, keeping its shape.
ScaleRatio FitPageRatio(CSize sizeBox, CSize sizePage);
// The ratio of a zoom state, from the fitted ratio.
ScaleRatio ZoomRatio(ScaleRatio fitted, int nZoom);

struct PreviewPlacement {
  CRect rectPage;  // the page on screen, without its shadow
  ScaleRatio ratio;
};
// Page nIndex (0 or 1) of nPages shown, in a client area of sizeClient:
// zoomed out each page is centred in its box; zoomed, the one page shown
// stands at the margin at its zoomed size.
PreviewPlacement PlacePreviewPage(CSize sizeClient, UINT nPages, UINT nIndex, CSize sizePage,
                                  int nZoom);

// The scroll-bar request codes, with the values of Windows' SB_* codes.
enum PreviewScrollCode : UINT {
  kPreviewScrollLineUp = 0,
  kPreviewScrollLineDown = 1,
  kPreviewScrollPageUp = 2,
  kPreviewScrollPageDown = 3,
  kPreviewScrollThumbPosition = 4,
  kPreviewScrollThumbTrack = 5,
  kPreviewScrollTop = 6,
  kPreviewScrollBottom = 7,
};

// The page a vertical scroll-bar request (SB_* code, thumb position) moves
// to from nCurrent, within nFirst..nLast.
UINT PreviewPageAfterScroll(UINT nSBCode, UINT nThumb, UINT nCurrent, UINT nFirst, UINT nLast);
