#include "toolkit/core/KWToolBarLayout.h"

#include <algorithm>

namespace {
// The chevron's offsets from the end of a row, and from the bar's side.
constexpr int kChevronEndHorz = 12;
constexpr int kChevronEndVert = 14;
constexpr int kChevronSide = 1;

bool IsWrapPoint(const KWToolButton& b) { return !b.bHidden && b.bSeparator && !b.bControlHost; }
bool CanEndRow(const KWToolButton& b) { return !b.bHidden && !(b.bSeparator && b.bControlHost); }

// Where the row that nLast does not fit in ends, searched back to the row's
// start; -1 for nowhere.
int FindWrap(const std::vector<KWToolButton>& buttons, int nRowStart, int nLast) {
  for (int i = nLast - 1; i >= nRowStart; --i)
    if (IsWrapPoint(buttons[i])) return i;
  for (int i = nLast - 1; i >= nRowStart; --i)
    if (CanEndRow(buttons[i])) return i;
  return -1;
}

int VisibleCount(const std::vector<KWToolButton>& buttons) {
  return static_cast<int>(
      std::count_if(buttons.begin(), buttons.end(), [](const KWToolButton& b) { return !b.bHidden; }));
}
}  // namespace

CSize KWButtonSize(const KWToolButton& button) {
  if (button.bSeparator && button.bWrap) return CSize(0, button.cx);
  return CSize(button.cx, button.cy);
}

int KWWrapToolBar(std::vector<KWToolButton>& buttons, int nWidth) {
  for (KWToolButton& b : buttons) b.bWrap = false;
  int nRows = 1;
  int x = 0;
  int nRowStart = 0;
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    if (buttons[i].bHidden) continue;
    if (x + buttons[i].cx <= nWidth) {
      x += buttons[i].cx;
      continue;
    }
    int nWrap = FindWrap(buttons, nRowStart, i);
    if (nWrap < 0) {
      x += buttons[i].cx;
      continue;
    }
    buttons[nWrap].bWrap = true;
    ++nRows;
    x = 0;
    nRowStart = nWrap + 1;
    i = nWrap;  // the next row starts after the wrap
  }
  return nRows;
}

CSize KWCalcToolBarSize(const std::vector<KWToolButton>& buttons) {
  CSize size(0, 0);
  int x = 0;
  int y = 0;
  int cyRow = 0;
  for (const KWToolButton& b : buttons) {
    if (b.bHidden) continue;
    CSize item = KWButtonSize(b);
    // The control gives every row the height of its items, also a row that
    // holds only a wrapped separator; the separator's gap comes on top.
    size.cx = std::max<int>(size.cx, x + item.cx);
    size.cy = std::max<int>(size.cy, y + b.cy);
    x += item.cx;
    cyRow = std::max<int>(cyRow, b.cy);
    if (b.bWrap) {
      x = 0;
      y += cyRow + (b.bSeparator ? item.cy : 0);
      cyRow = 0;
    }
  }
  return size;
}

CSize KWSizeToolBar(std::vector<KWToolButton>& buttons, int nLength, bool bVert) {
  if (!bVert) {
    if (nLength >= kKWToolBarUnlimited) {
      KWWrapToolBar(buttons, nLength);
      return KWCalcToolBarSize(buttons);
    }
    int nRows = KWWrapToolBar(buttons, nLength);
    int nLow = 0;
    int nHigh = nLength;
    while (nLow < nHigh) {
      int nMid = (nLow + nHigh) / 2;
      if (KWWrapToolBar(buttons, nMid) > nRows)
        nLow = nMid + 1;
      else
        nHigh = nMid;
    }
    KWWrapToolBar(buttons, nLow);
    KWWrapToolBar(buttons, KWCalcToolBarSize(buttons).cx);
    return KWCalcToolBarSize(buttons);
  }
  KWWrapToolBar(buttons, kKWToolBarUnlimited);
  CSize wide = KWCalcToolBarSize(buttons);
  KWWrapToolBar(buttons, 0);
  CSize narrow = KWCalcToolBarSize(buttons);
  if (narrow.cy <= nLength || narrow == wide) return narrow;
  // The narrowest width whose height fits, between the two.
  int nLow = narrow.cx;
  int nHigh = wide.cx;
  CSize best = wide;
  while (nLow < nHigh) {
    int nMid = (nLow + nHigh) / 2;
    KWWrapToolBar(buttons, nMid);
    CSize size = KWCalcToolBarSize(buttons);
    if (size.cy <= nLength) {
      best = size;
      nHigh = nMid;
    } else {
      nLow = nMid + 1;
    }
  }
  KWWrapToolBar(buttons, best.cx);
  return KWCalcToolBarSize(buttons);
}

int KWRowLength(const std::vector<KWToolButton>& buttons, const KWRowMetrics& metrics) {
  std::vector<KWToolButton> row = buttons;
  KWWrapToolBar(row, metrics.bHorz ? kKWToolBarUnlimited : 0);
  CSize size = KWCalcToolBarSize(row);
  bool bHidden = std::any_of(buttons.begin(), buttons.end(),
                             [](const KWToolButton& b) { return b.bHidden; });
  int nChevron = metrics.bChevron && (bHidden || metrics.bCustomize) ? kKWChevronRoom : 0;
  return (metrics.bHorz ? size.cx : size.cy) + metrics.nInsideBorders + nChevron;
}

std::vector<int> KWHideButtonsToFit(std::vector<KWToolButton>& buttons, int nNeeded,
                                    int nAvailable, const KWRowMetrics& metrics) {
  std::vector<int> hidden;
  bool bAnyHidden = VisibleCount(buttons) < static_cast<int>(buttons.size());
  if (VisibleCount(buttons) == 0 || (!bAnyHidden && nAvailable >= nNeeded)) return hidden;
  for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i) {
    if (KWRowLength(buttons, metrics) <= nAvailable - kKWChevronRoom) break;
    if (buttons[i].bHidden) continue;
    if (VisibleCount(buttons) <= 1) break;
    buttons[i].bHidden = true;
    hidden.insert(hidden.begin(), i);
  }
  return hidden;
}

std::vector<int> KWShowHiddenButtons(std::vector<KWToolButton>& buttons,
                                     const std::vector<int>& hidden, int nAvailable,
                                     const KWRowMetrics& metrics) {
  std::vector<int> shown;
  int nLimit = hidden.size() > 1 ? nAvailable - kKWChevronRoom : nAvailable;
  for (int i : hidden) {
    buttons[i].bHidden = false;
    if (KWRowLength(buttons, metrics) > nLimit) {
      buttons[i].bHidden = true;
      break;
    }
    shown.push_back(i);
  }
  return shown;
}

CPoint KWChevronPosition(int nLength, bool bHorz, int nInsideBorders, bool bInReBar,
                         int nFirstExtent) {
  int nAlong = bHorz ? nLength - kChevronEndHorz - (bInReBar ? 0 : nInsideBorders)
                     : nLength - kChevronEndVert - nInsideBorders;
  nAlong = std::max(nAlong, nFirstExtent);
  return bHorz ? CPoint(nAlong, kChevronSide) : CPoint(kChevronSide, nAlong);
}
