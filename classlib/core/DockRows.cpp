#include "classlib/core/DockRows.h"

#include <algorithm>

namespace {

// Rows of a left or right dock bar are worked out as if they ran left to right.
CSize Turn(CSize size, BOOL bHorz) { return bHorz ? size : CSize(size.cy, size.cx); }
CPoint Turn(CPoint point, BOOL bHorz) { return bHorz ? point : CPoint(point.y, point.x); }
CRect Turn(const CRect& rect, BOOL bHorz) {
  return bHorz ? rect : CRect(rect.top, rect.left, rect.bottom, rect.right);
}

bool TakesRoom(const DockSlot& slot) { return slot.kind == DockSlot::kBar && slot.bVisible; }

}  // namespace

DockRowsLayout LayOutDockRows(const std::vector<DockSlot>& slots, const DockRowsOptions& options) {
  const BOOL bHorz = options.bHorz;
  const int nOverlap = options.nOverlap;
  DockRowsLayout layout;
  layout.rects.resize(slots.size());
  CPoint pt(0, 0);  // where the next bar of the row goes
  int nRowThickness = 0;
  bool bRowHasBar = false;
  CSize sizeTotal(0, 0);
  auto endRow = [&] {
    if (bRowHasBar) pt.y += nRowThickness - nOverlap;
    pt.x = 0;
    nRowThickness = 0;
    bRowHasBar = false;
  };
  for (size_t i = 0; i < slots.size(); ++i) {
    const DockSlot& slot = slots[i];
    if (slot.kind == DockSlot::kRowBreak) {
      endRow();
      continue;
    }
    if (!TakesRoom(slot)) continue;
    CSize size = Turn(slot.size, bHorz);
    CRect rect(pt, size);
    if (!options.bFloating) {
      // A bar stays where it was dragged along its row...
      int nCurrent = Turn(slot.rectCurrent, bHorz).left;
      if (nCurrent > rect.left) rect.OffsetRect(nCurrent - rect.left, 0);
      // ...unless the row ends before it does.
      if (rect.right > options.nLength)
        rect.OffsetRect(std::max(options.nLength - size.cx, pt.x) - rect.left, 0);
      // Nothing of it left in the room: it begins the next row.
      if (bRowHasBar && rect.left >= options.nLength - nOverlap) {
        endRow();
        layout.wrapBefore.push_back(i);
        rect = CRect(pt, size);
      }
    }
    layout.rects[i] = Turn(rect, bHorz);
    pt.x = rect.right - nOverlap;
    nRowThickness = std::max(nRowThickness, static_cast<int>(size.cy));
    bRowHasBar = true;
    sizeTotal.cx = std::max(sizeTotal.cx, rect.right);
    sizeTotal.cy = std::max(sizeTotal.cy, rect.bottom);
  }
  layout.size = Turn(sizeTotal, bHorz);
  return layout;
}

DockInsertion FindDockInsertion(const std::vector<DockSlot>& slots, BOOL bHorz, CPoint ptDrop) {
  const CPoint drop = Turn(ptDrop, bHorz);
  DockInsertion insertion;
  bool bFirstRow = true;
  size_t nRowStart = 0;
  while (nRowStart <= slots.size()) {
    size_t nRowEnd = nRowStart;
    while (nRowEnd < slots.size() && slots[nRowEnd].kind != DockSlot::kRowBreak) ++nRowEnd;
    // The band across the dock bar that the row's bars take.
    int nTop = 0, nBottom = 0;
    bool bHasBar = false;
    for (size_t i = nRowStart; i < nRowEnd; ++i) {
      if (!TakesRoom(slots[i])) continue;
      CRect rect = Turn(slots[i].rectCurrent, bHorz);
      nTop = bHasBar ? std::min(nTop, static_cast<int>(rect.top)) : rect.top;
      nBottom = bHasBar ? std::max(nBottom, static_cast<int>(rect.bottom)) : rect.bottom;
      bHasBar = true;
    }
    if (bHasBar) {
      if (bFirstRow && drop.y < nTop) return DockInsertion{nRowStart, TRUE};
      bFirstRow = false;
      if (drop.y < nBottom) {
        // Within the row: after every bar that begins before the drop.
        insertion.nIndex = nRowStart;
        for (size_t i = nRowStart; i < nRowEnd; ++i)
          if (TakesRoom(slots[i]) && Turn(slots[i].rectCurrent, bHorz).left <= drop.x)
            insertion.nIndex = i + 1;
        insertion.bNewRow = FALSE;
        return insertion;
      }
    }
    nRowStart = nRowEnd + 1;
  }
  // Below every row: a new row at the end.
  return DockInsertion{slots.size(), TRUE};
}
