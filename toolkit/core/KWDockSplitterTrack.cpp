#include "toolkit/core/KWDockSplitterTrack.h"

#include <algorithm>

KWSplitterExtent KWRowSplitterLimits(const KWDockEntries& entries, int index, int nAvailable) {
  KWSplitterExtent extent;
  extent.start = extent.current = KWRowThickness(entries, index, kKWNoEntry);
  extent.lower = KWMinRowThickness(entries, index, kKWNoEntry);
  extent.upper = extent.current + std::max(nAvailable, 0);
  return extent;
}

KWSplitterExtent KWBarSplitterLimits(const KWDockEntries& entries, int index, int position) {
  const int start = KWRowStart(entries, index);
  KWSplitterExtent extent;
  extent.start = extent.current = position;
  if (start == kKWNoEntry) {
    extent.lower = extent.upper = position;
    return extent;
  }
  // What the windows on each side can give up before reaching their minimums.
  const int before = (KWDesiredRowLength(entries, start, kKWNoEntry) -
                      KWDesiredRowLength(entries, index, kKWNoEntry)) -
                     (KWMinRowLength(entries, start, kKWNoEntry) -
                      KWMinRowLength(entries, index, kKWNoEntry));
  const int after =
      KWDesiredRowLength(entries, index, kKWNoEntry) - KWMinRowLength(entries, index, kKWNoEntry);
  extent.lower = position - std::max(before, 0);
  extent.upper = position + std::max(after, 0);
  return extent;
}

CSize KWSplitterDrag(KWSplitterExtent& extent, UINT nDockBarId, BOOL bRowSplitter, int nKind,
                     CPoint ptMouse, CPoint ptDrag) {
  const CSize moved = ptMouse - ptDrag;
  BOOL bAlongY = nKind == kKWSplitterHorz;
  int sense = 1;
  if (bRowSplitter) {
    bAlongY = nDockBarId == kKWDockBarTop || nDockBarId == kKWDockBarBottom;
    if (nDockBarId == kKWDockBarRight || nDockBarId == kKWDockBarBottom) sense = -1;
  }
  const int raw = sense * (bAlongY ? moved.cy : moved.cx);
  const int change =
      std::clamp(raw, std::min(extent.lower - extent.current, 0),
                 std::max(extent.upper - extent.current, 0));
  extent.current += change;
  return bAlongY ? CSize(0, sense * change) : CSize(sense * change, 0);
}

void KWApplyBarSplit(KWDockEntries& entries, int index, int delta) {
  KWResizeBefore(entries, index, delta);
  KWResizeFrom(entries, index, -delta);
}

void KWSetRowThickness(KWDockEntries& entries, int index, int nThickness) {
  if (index < 0) return;
  const int end = KWRowEnd(entries, index);
  for (int i = index; i < end; ++i)
    if (KWIsVisibleDockWindow(entries[i])) entries[i].nThickness = nThickness;
}

std::vector<KWSplitterLine> KWSplitterEdges(const CRect& strip, int nKind, DWORD dwDockStyle,
                                            BOOL bFlatLook) {
  std::vector<KWSplitterLine> lines;
  if (bFlatLook || (dwDockStyle & kKWDockFlatSplitters)) return lines;
  const int x = strip.left, y = strip.top, w = strip.Width(), h = strip.Height();
  auto line = [&](int left, int top, int width, int height, KWSplitterColor color) {
    lines.push_back({CRect(left, top, left + width, top + height), color});
  };
  const BOOL bFrame = !(dwDockStyle & kKWDockNoFrameLine);
  if (nKind == kKWSplitterVert) {
    line(x, y, w - 1, 1, kwSplitterHighlight);
    line(x, y, 1, h, kwSplitterHighlight);
    line(x, y + h - 1, w - 1, 1, kwSplitterShadow);
    line(x + w - 2, y, 1, h, kwSplitterShadow);
    if (bFrame) line(x + w - 1, y, 1, h, kwSplitterFrame);
  } else {
    line(x, y, 1, h - 1, kwSplitterHighlight);
    line(x, y, w - 1, 1, kwSplitterHighlight);
    line(x + w - 1, y, 1, h - 1, kwSplitterShadow);
    line(x, y + h - 2, w - 1, 1, kwSplitterShadow);
    if (bFrame) line(x, y + h - 1, w, 1, kwSplitterFrame);
  }
  return lines;
}
