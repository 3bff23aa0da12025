#include "toolkit/core/KWDockDrag.h"

namespace {

// The least move along one axis that brings p into [low, high).
int OffsetToContain(int p, int low, int high) {
  if (p < low) return p - low;
  if (p > high) return p - high;
  return 0;
}

BOOL LiesHorizontally(BOOL bBarHorz, BOOL bFlip) { return bBarHorz != bFlip; }

}  // namespace

void KWKeepUnderCursor(CRect& rect, CPoint pt) {
  rect.OffsetRect(OffsetToContain(pt.x, rect.left, rect.right),
                  OffsetToContain(pt.y, rect.top, rect.bottom));
}

void KWKeepUnderCursor(KWDragRects& rects, CPoint pt) {
  for (CRect* rect : {&rects.dragHorz, &rects.dragVert, &rects.frameHorz, &rects.frameVert})
    KWKeepUnderCursor(*rect, pt);
}

void KWMoveDragRects(KWDragRects& rects, CSize delta) {
  for (CRect* rect : {&rects.dragHorz, &rects.dragVert, &rects.frameHorz, &rects.frameVert})
    rect->OffsetRect(delta);
}

KWDragRects KWStartDragRects(const KWDragStart& s) {
  const CPoint origin(s.bar.left, s.bar.top);
  KWDragRects rects;
  if (s.sizing == kwSizeOther) {
    // The bar keeps its own rectangle; the other orientation's is centred
    // across the bar's thickness at the point.
    if (s.bBarHorz) {
      rects.dragHorz = s.bar;
      rects.dragVert = CRect(CPoint(s.pt.x - s.bar.Height() / 2, s.bar.top), s.other);
    } else {
      rects.dragVert = s.bar;
      rects.dragHorz = CRect(CPoint(s.bar.left, s.pt.y - s.bar.Width() / 2), s.other);
    }
  } else {
    rects.dragHorz = CRect(origin, s.horz);
    rects.dragVert = CRect(origin, s.vert);
  }
  if (s.sizing == kwSizeDynamic) {
    rects.frameHorz = rects.frameVert = CRect(origin, s.floating);
  } else {
    rects.frameHorz = rects.dragHorz;
    rects.frameVert = rects.dragVert;
  }
  rects.frameHorz.InflateRect(&s.frameBorders);
  rects.frameVert.InflateRect(&s.frameBorders);
  KWKeepUnderCursor(rects, s.pt);
  return rects;
}

DWORD KWOverDockStyle(const KWDragRects& rects, BOOL bBarHorz, BOOL bFlip, DWORD dwDockStyle,
                      const KWDockProbe& probe) {
  const DWORD dwHorz = dwDockStyle & ~kKWOrientVert;
  const DWORD dwVert = dwDockStyle & ~kKWOrientHorz;
  const BOOL bAllowsHorz = (dwDockStyle & kKWOrientHorz) != 0;
  const BOOL bAllowsVert = (dwDockStyle & kKWOrientVert) != 0;
  DWORD dwOver = 0;
  if (LiesHorizontally(bBarHorz, bFlip) && bAllowsHorz)
    dwOver = probe(rects.dragHorz, dwHorz);
  else if (bAllowsVert)
    dwOver = probe(rects.dragVert, dwVert);
  if (bFlip) return dwOver;
  // The other orientation only where both rectangles agree, so that the bar
  // does not flip back and forth along a dock bar's edge.
  const auto agreed = [&](const CRect& other, const CRect& own, DWORD dwStyle) {
    const DWORD a = probe(other, dwStyle);
    const DWORD b = probe(own, dwStyle);
    return a == b ? b : 0;
  };
  if (dwOver == 0 && bAllowsHorz) dwOver = agreed(rects.dragVert, rects.dragHorz, dwHorz);
  if (dwOver == 0 && bAllowsVert) dwOver = agreed(rects.dragHorz, rects.dragVert, dwVert);
  return dwOver;
}

BOOL KWApplyDragKey(KWDragKeys& keys, KWDragKey key, BOOL bDown, DWORD dwDockStyle) {
  const BOOL bBefore = key == kwKeyControl ? keys.bForceFrame : keys.bFlip;
  if (bBefore == bDown) return FALSE;
  if (key == kwKeyControl) {
    keys.bForceFrame = bDown;
  } else {
    const BOOL bBothWays = (dwDockStyle & kKWOrientHorz) && (dwDockStyle & kKWOrientVert);
    keys.bFlip = bDown && bBothWays;
  }
  return TRUE;
}

DWORD KWFloatStyle(DWORD dwBarStyle, BOOL bBarHorz, BOOL bFlip, DWORD dwDockStyle) {
  const BOOL bTop = (dwBarStyle & kKWSizeDynamic) || LiesHorizontally(bBarHorz, bFlip);
  return (bTop ? kKWAlignTop : kKWAlignLeft) | (dwDockStyle & kKWFloatMulti);
}

KWDragFeedback KWDragFeedbackFor(const KWFeedbackInput& in) {
  KWDragFeedback out;
  const BOOL bOverHorz = (in.dwOverDockStyle & kKWOrientHorz) != 0;
  const BOOL bOverVert = (in.dwOverDockStyle & kKWOrientVert) != 0;
  if (bOverHorz || bOverVert) {
    out.rect = bOverHorz ? in.rects.dragHorz : in.rects.dragVert;
    out.edge = CSize(1, 1);
    // Only a dock bar that was found gives its length; an empty rectangle
    // would collapse the feedback to nothing.
    if (in.bDockWindow && !in.dockBar.IsRectEmpty() &&
        !in.dockBar.PtInRect(out.rect.CenterPoint())) {
      if (bOverHorz) {
        out.rect.left = in.dockBar.left;
        out.rect.right = in.dockBar.right;
      } else {
        out.rect.top = in.dockBar.top;
        out.rect.bottom = in.dockBar.bottom;
      }
    }
    out.rect.DeflateRect(1, 1);
  } else {
    out.rect = LiesHorizontally(in.bBarHorz, in.bFlip) ? in.rects.frameHorz : in.rects.frameVert;
    out.edge = CSize(in.frameMetrics.cx - 1, in.frameMetrics.cy - 1);
    out.bHalftone = TRUE;
  }
  if (in.bRemove) out.edge = CSize(0, 0);
  return out;
}

CRect KWDockBarHitArea(const CRect& window, const CRect& parentClient) {
  CRect area = window;
  if (area.Width() == 0) area.InflateRect(kKWEmptyDockBarReach, 0);
  if (area.Height() == 0) area.InflateRect(0, kKWEmptyDockBarReach);
  CRect clipped;
  if (clipped.IntersectRect(&area, &parentClient)) area = clipped;
  return area;
}
