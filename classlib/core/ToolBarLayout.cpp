#include "classlib/core/ToolBarLayout.h"

#include <algorithm>

namespace {
// The gap a separator leaves between rows, as a part of its width.
constexpr int kWrapGapNumerator = 2;
constexpr int kWrapGapDenominator = 3;

// The width of the visible items after index nAfter up to nLast.
int RowWidth(const std::vector<ToolBarItem>& items, size_t nAfter, size_t nLast) {
  int cx = 0;
  for (size_t i = nAfter + 1; i <= nLast; ++i)
    if (!items[i].bHidden) cx += items[i].cx;
  return cx;
}

// Where the row that nLast does not fit in ends: the last visible separator
// from nLast back to the row's start, else the last visible button before
// nLast; nRowStart is the row's first index. Returns false when there is none.
bool FindWrapPoint(const std::vector<ToolBarItem>& items, size_t nRowStart, size_t nLast,
                   size_t* pnWrap) {
  for (size_t i = nLast + 1; i-- > nRowStart;) {
    if (!items[i].bHidden && items[i].bSeparator) {
      *pnWrap = i;
      return true;
    }
  }
  for (size_t i = nLast; i-- > nRowStart;) {
    if (!items[i].bHidden) {
      *pnWrap = i;
      return true;
    }
  }
  return false;
}
}  // namespace

int WrapToolBar(std::vector<ToolBarItem>& items, int nWidth) {
  for (ToolBarItem& item : items) item.bWrap = false;
  int nRows = 1;
  int x = 0;
  size_t nRowStart = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].bHidden) continue;
    x += items[i].cx;
    size_t nWrap = 0;
    if (x <= nWidth || !FindWrapPoint(items, nRowStart, i, &nWrap)) continue;
    // A separator that ends a row is no part of its width; the next row
    // holds what follows the wrap up to this item.
    if (nWrap == i && items[i].bSeparator) {
      items[i].bWrap = true;
      x = 0;
      nRowStart = i + 1;
    } else {
      items[nWrap].bWrap = true;
      x = RowWidth(items, nWrap, i);
      nRowStart = nWrap + 1;
    }
    ++nRows;
  }
  return nRows;
}

CSize CalcToolBarSize(const std::vector<ToolBarItem>& items) {
  CSize size(0, 0);
  int x = 0;
  int y = 0;
  int cyRow = 0;
  for (const ToolBarItem& item : items) {
    if (item.bHidden) continue;
    if (item.bSeparator && item.bWrap) {
      // A separator between rows is a gap two thirds as high as it is wide.
      y += cyRow + item.cx * kWrapGapNumerator / kWrapGapDenominator;
      x = 0;
      cyRow = 0;
      continue;
    }
    x += item.cx;
    cyRow = std::max(cyRow, item.cy);
    size.cx = std::max<LONG>(size.cx, x);
    size.cy = std::max<LONG>(size.cy, y + cyRow);
    if (item.bWrap) {
      y += cyRow;
      x = 0;
      cyRow = 0;
    }
  }
  return size;
}

CSize SizeToolBar(std::vector<ToolBarItem>& items, int nLength, bool bVert) {
  if (!bVert) {
    if (nLength >= kToolBarUnlimited) {
      WrapToolBar(items, kToolBarUnlimited);
      return CalcToolBarSize(items);
    }
    // The narrowest width that needs no more rows than nLength does.
    int nRows = WrapToolBar(items, nLength);
    int nLow = 0;
    int nHigh = std::max(nLength, 0);
    while (nLow < nHigh) {
      int nMid = nLow + (nHigh - nLow) / 2;
      if (WrapToolBar(items, nMid) > nRows)
        nLow = nMid + 1;
      else
        nHigh = nMid;
    }
    WrapToolBar(items, nLow);
    return CalcToolBarSize(items);
  }
  // The narrowest width whose rows are no higher than nLength; one row when
  // even that is too high.
  WrapToolBar(items, kToolBarUnlimited);
  CSize sizeWide = CalcToolBarSize(items);
  if (sizeWide.cy > nLength) return sizeWide;
  int nLow = 0;
  int nHigh = sizeWide.cx;
  while (nLow < nHigh) {
    int nMid = nLow + (nHigh - nLow) / 2;
    WrapToolBar(items, nMid);
    if (CalcToolBarSize(items).cy > nLength)
      nLow = nMid + 1;
    else
      nHigh = nMid;
  }
  WrapToolBar(items, nLow);
  return CalcToolBarSize(items);
}
