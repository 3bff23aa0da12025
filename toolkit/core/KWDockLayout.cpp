#include "toolkit/core/KWDockLayout.h"

#include <algorithm>

namespace {

// Row splitters on the left and right dock bars take one pixel more room.
constexpr int kVertRowSplitterAdvance = kKWDockSplitterWidth + 1;
// Bars that are not toolkit bars overlap their rows by this much.
constexpr int kOtherRowOverlap = 2;

// The pass runs in row coordinates: along a row and across it. A top or
// bottom dock bar runs along x, a left or right one along y.
class LayoutPass {
 public:
  LayoutPass(KWDockEntries& entries, const KWDockLayoutOptions& options, KWDockLayoutHost& host)
      : entries_(entries), options_(options), host_(host) {
    const UINT id = options.nDockBarId;
    horz_ = KWIsHorzDockBar(id);
    leading_ = id == kKWDockBarTop || id == kKWDockBarLeft;
    maxAlong_ = Along(options.sizeMax);
    along_ = horz_ ? 0 : -1;
    across_ = (horz_ || id == kKWDockBarRight) ? -1 : 0;
    // The border across a row's start, and after its end.
    borderAlongStart_ = horz_ ? kKWBarBorderLeft : kKWBarBorderTop;
    borderAlongEnd_ = horz_ ? kKWBarBorderRight : kKWBarBorderBottom;
    borderAcrossStart_ = horz_ ? kKWBarBorderTop : kKWBarBorderLeft;
    borderAcrossEnd_ = horz_ ? kKWBarBorderBottom : kKWBarBorderRight;
    result_.size = options.sizeBase;
    for (KWDockEntry& e : entries_) e.rectNew = CRect();
  }

  KWDockLayoutResult Run() {
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
      const KWDockEntry& e = entries_[i];
      if (e.kind == KWDockEntry::kRowBreak) {
        if (rowThick_ != 0) EndRow();
      } else if (e.kind == KWDockEntry::kBar && e.bVisible) {
        if (!PlaceBar(i)) break;
      }
    }
    Finish();
    result_.rects.resize(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) result_.rects[i] = entries_[i].rectNew;
    return result_;
  }

 private:

  int Along(SIZE size) const { return horz_ ? size.cx : size.cy; }
  int Across(SIZE size) const { return horz_ ? size.cy : size.cx; }
  int AlongStart(const RECT& r) const { return horz_ ? r.left : r.top; }
  CRect RowRect(int along0, int across0, int along1, int across1) const {
    return horz_ ? CRect(along0, across0, along1, across1) : CRect(across0, along0, across1, along1);
  }

  void ApplyPending() {
    if (prevBar_ < 0) return;
    KWDockEntry& prev = entries_[prevBar_];
    if (prev.bDockWindow || !(options_.dwExStyle & kKWDockKeepBarBorders))
      prev.dwStyle = (prev.dwStyle & ~kKWBarBorderAny) | pendingStyle_;
  }

  void GrowSizeToPoint() {
    const CSize reach = horz_ ? CSize(along_, across_) : CSize(across_, along_);
    result_.size.cx = std::max<int>(result_.size.cx, reach.cx);
    result_.size.cy = std::max<int>(result_.size.cy, reach.cy);
  }

  // Far edges: a bar splitter's across its row, a row splitter's along it.
  void SetSplitterExtent(size_t first, BOOL bRowSplitters, int value) {
    for (size_t s = first; s < result_.splitters.size(); ++s) {
      KWDockSplitterPlace& place = result_.splitters[s];
      if (place.bRowSplitter != bRowSplitters) continue;
      if (place.nKind == kKWSplitterVert)
        place.rect.bottom = value;
      else
        place.rect.right = value;
    }
  }

  void AddSplitter(BOOL bRow, int index) {
    KWDockSplitterPlace place;
    place.bRowSplitter = bRow;
    place.nIndex = index;
    // A row splitter lies along the row, a bar splitter across it.
    place.nKind = (bRow == horz_) ? kKWSplitterHorz : kKWSplitterVert;
    place.rect = bRow ? RowRect(along_, across_, 0, across_ + kKWDockSplitterWidth)
                     : RowRect(along_, across_, along_ + kKWDockSplitterWidth, 0);
    result_.splitters.push_back(place);
  }

  void EndRow() {
    if (horz_) {
      if (along_ >= maxAlong_ && prevBar_ >= 0 && entries_[prevBar_].bDockWindow)
        pendingStyle_ &= ~kKWBarBorderRight;
    } else if (nDW_ > 0 && !options_.bHasBottomDockBar) {
      pendingStyle_ &= ~kKWBarBorderBottom;
    }
    ApplyPending();
    if (firstRow_) KWClearRowBorders(entries_, rowStart_, borderAcrossStart_, TRUE, options_.dwExStyle);
    across_ += rowThick_ - oAcross_;
    GrowSizeToPoint();
    along_ = -oAlong_ - (horz_ ? 0 : 1);
    SetSplitterExtent(firstSplitter_, FALSE, across_);
    rowThick_ = 0;
    firstRow_ = FALSE;
    rowMask_ = kKWBarBorderAny;
    newRow_ = TRUE;
    prevBar_ = -1;
    splitterPending_ = nDW_ > 0;
    firstSplitter_ = result_.splitters.size();
  }

  void StartRow(int i, DWORD& style, BOOL isDW) {
    nDW_ = remaining_ = KWCountDockWindows(entries_, i, kKWNoEntry);
    if (!leading_) splitterPending_ = nDW_ > 0;
    if (splitterPending_) {
      AddSplitter(TRUE, leading_ ? rowStart_ : i);
      across_ += horz_ ? kKWDockSplitterWidth : kVertRowSplitterAdvance;
      if (rowStart_ >= 0)
        KWClearRowBorders(entries_, rowStart_, borderAcrossEnd_, FALSE, options_.dwExStyle);
      rowMask_ &= ~borderAcrossStart_;
    }
    if (KWFixedRowLength(entries_, i, kKWNoEntry) + KWDesiredRowLength(entries_, i, kKWNoEntry) !=
            maxAlong_ ||
        KWFindNewDockWindow(entries_, i) != kKWNoEntry)
      host_.NormalizeRow(entries_, i);
    style |= rowMask_;
    if (horz_ && isDW) style &= ~kKWBarBorderLeft;
    rowStart_ = i;
    newRow_ = FALSE;
  }

  // Moves the menu bar at i into a row of its own before the current row.
  void MoveMenuBarToOwnRow(int i) {
    const KWDockEntry menu = entries_[i];
    entries_.erase(entries_.begin() + i);
    entries_.insert(entries_.begin() + rowStart_, KWDockEntry());
    entries_.insert(entries_.begin() + rowStart_, menu);
    result_.bRecalcLater = TRUE;
  }

  // Returns FALSE when the pass ends here.
  BOOL PlaceBar(int i) {
    KWDockEntry& bar = entries_[i];
    const BOOL isDW = bar.bDockWindow;
    DWORD style = bar.dwStyle & ~kKWBarBorderAny;
    if (newRow_) {
      StartRow(i, style, isDW);
    } else {
      if (bar.barClass == KWDockEntry::kMenuBar) {
        MoveMenuBarToOwnRow(i);
        return FALSE;
      }
      style |= rowMask_;
      if ((prevIsDW_ && remaining_ > 0) || (isDW && remaining_ < nDW_)) {
        AddSplitter(FALSE, i);
        along_ += kKWDockSplitterWidth;
        style &= ~borderAlongStart_;
        pendingStyle_ &= ~borderAlongEnd_;
      }
    }
    prevIsDW_ = isDW;
    ApplyPending();
    prevBar_ = i;
    if (isDW) {
      --remaining_;
      bar.bOnlyInRow = nDW_ == 1;
    }
    const BOOL other = bar.barClass == KWDockEntry::kOtherBar;
    oAlong_ = other ? (horz_ ? options_.cxOtherOverlap : kOtherRowOverlap) : 0;
    oAcross_ = other ? (horz_ ? kOtherRowOverlap : options_.cxOtherOverlap) : 0;
    const int length = isDW ? bar.nDesiredLength : bar.nLength;
    int start = along_;
    const int curStart = AlongStart(bar.rectCurrent);
    if (curStart > start && !options_.bFloating && nDW_ == 0) {
      start = curStart;  // a bar keeps the place it was dragged to
      style |= borderAlongStart_;
    }
    if (start + length > maxAlong_ && !options_.bFloating)
      start = std::max(maxAlong_ - (length - oAlong_), along_);
    BOOL placed = TRUE;
    if (wrapped_) {
      wrapped_ = FALSE;
      start = -oAlong_;
    } else if (start >= maxAlong_ - oAlong_ && i > 0 &&
               entries_[i - 1].kind != KWDockEntry::kRowBreak) {
      // No part of it is left in the room: it starts the next row, which
      // the next layout lays out.
      entries_.insert(entries_.begin() + i, KWDockEntry());
      result_.bRecalcLater = TRUE;
      // The bar is now one entry later.
      prevBar_ = i + 1;
      if (rowStart_ >= i) ++rowStart_;
      for (KWDockSplitterPlace& place : result_.splitters)
        if (place.nIndex >= i) ++place.nIndex;
      wrapped_ = TRUE;
      placed = FALSE;
    }
    if (placed) {
      KWDockEntry& b = entries_[i];
      int end = start + length;
      if (b.barClass == KWDockEntry::kChevronToolBar) end = start + FitToolBar(i, start, length);
      b.rectNew = RowRect(start, across_, end, across_ + b.nThickness);
      along_ = start + length - oAlong_;
      rowThick_ = std::max(rowThick_, b.nThickness);
    }
    pendingStyle_ = style & kKWBarBorderAny;
    return TRUE;
  }

  int FitToolBar(int i, int start, int length) {
    const KWDockEntry& bar = entries_[i];
    const int room = maxAlong_ - start;
    if (KWIsLastInRow(entries_, i)) {
      if (length > room) return host_.HideButtonsToFit(bar, length, room);
      if (length < room) return host_.ShowHiddenButtons(bar, length, room);
      return length;
    }
    return horz_ ? host_.ShowHiddenButtons(bar, length, kKWUnlimitedLength) : length;
  }

  void Finish() {
    if (rowStart_ >= 0) {
      if (nDW_ > 0 && leading_) {
        AddSplitter(TRUE, rowStart_);
        (horz_ ? result_.size.cy : result_.size.cx) += kKWDockSplitterWidth - 1;
        KWClearRowBorders(entries_, rowStart_, borderAcrossEnd_, FALSE, options_.dwExStyle);
      } else if (nDW_ > 0) {
        KWClearRowBorders(entries_, rowStart_, borderAcrossEnd_, TRUE, options_.dwExStyle);
      }
      if (horz_)
        result_.size.cy += 1;
      else if (options_.nDockBarId == kKWDockBarLeft)
        result_.size.cx -= 1;
    }
    SetSplitterExtent(0, TRUE, maxAlong_);
  }

  KWDockEntries& entries_;
  const KWDockLayoutOptions& options_;
  KWDockLayoutHost& host_;
  KWDockLayoutResult result_;
  BOOL horz_ = TRUE;
  BOOL leading_ = TRUE;
  int maxAlong_ = 0;
  int along_ = 0;
  int across_ = 0;
  DWORD borderAlongStart_ = 0, borderAlongEnd_ = 0, borderAcrossStart_ = 0, borderAcrossEnd_ = 0;
  int rowThick_ = 0;
  BOOL firstRow_ = TRUE;
  DWORD rowMask_ = kKWBarBorderAny;
  BOOL newRow_ = TRUE;
  int rowStart_ = -1;
  BOOL splitterPending_ = FALSE;
  BOOL prevIsDW_ = FALSE;
  int prevBar_ = -1;
  DWORD pendingStyle_ = kKWBarBorderAny;
  int nDW_ = 0;
  int remaining_ = 0;
  size_t firstSplitter_ = 0;
  BOOL wrapped_ = FALSE;
  int oAlong_ = 0;
  int oAcross_ = 0;
};

}  // namespace

BOOL KWIsHorzDockBar(UINT nDockBarId) {
  return nDockBarId == kKWDockBarTop || nDockBarId == kKWDockBarBottom;
}

void KWClearRowBorders(KWDockEntries& entries, int index, DWORD mask, BOOL bDockWindowsOnly,
                       DWORD dwExStyle) {
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  const int thickness = KWRowThickness(entries, index, kKWNoEntry);
  const int end = KWRowEnd(entries, index);
  for (int i = index; i < end; ++i) {
    KWDockEntry& e = entries[i];
    if (e.kind != KWDockEntry::kBar || !e.bVisible) continue;
    const BOOL clear = e.bDockWindow || (!bDockWindowsOnly && !(dwExStyle & kKWDockKeepBarBorders) &&
                                         e.nThickness == thickness);
    if (clear) e.dwStyle &= ~mask;
  }
}

KWDockLayoutResult KWLayOutDockBar(KWDockEntries& entries, const KWDockLayoutOptions& options,
                                   KWDockLayoutHost& host) {
  return LayoutPass(entries, options, host).Run();
}
