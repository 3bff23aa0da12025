#include "toolkit/core/KWSavedLayout.h"

#include <algorithm>
#include <climits>

namespace {

// v within [lo, hi] and an int; a range left empty by a tiny area gives lo.
// Wide arithmetic, since saved values and areas may be anything an int holds.
int Clamp(long long v, long long lo, long long hi) {
  const long long kept = std::max(lo, std::min(v, std::max(lo, hi)));
  return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(kept, INT_MAX)));
}

bool Contains(const std::vector<UINT>& ids, UINT nID) {
  return std::find(ids.begin(), ids.end(), nID) != ids.end();
}

const KWLayoutBar* FindBar(const KWLayoutHost& host, UINT nID) {
  auto it = std::find_if(host.bars.begin(), host.bars.end(),
                         [nID](const KWLayoutBar& bar) { return bar.nID == nID; });
  return it == host.bars.end() ? nullptr : &*it;
}

// A screen point at least kKWMinReachable inside the area's right and bottom
// and at least the given margins inside its left and top.
CPoint KeepInArea(CPoint pt, const CRect& area, int nLeftMargin, int nTopMargin) {
  return CPoint(Clamp(pt.x, static_cast<long long>(area.left) + nLeftMargin,
                      static_cast<long long>(area.right) - kKWMinReachable),
                Clamp(pt.y, static_cast<long long>(area.top) + nTopMargin,
                      static_cast<long long>(area.bottom) - kKWMinReachable));
}

// A coordinate inside a dock bar no longer than the work area; a negative
// one means "none" to the bar that reads it.
int KeepInDockBar(int v, long long nExtent) {
  if (v < 0) return kKWNoSavedPosition;
  return Clamp(v, 0, nExtent - kKWMinReachable);
}

long long WidthOf(const CRect& rect) { return static_cast<long long>(rect.right) - rect.left; }
long long HeightOf(const CRect& rect) { return static_cast<long long>(rect.bottom) - rect.top; }

// The rectangle no larger than the work area, its corner inside a dock bar.
CRect KeepRectInDockBar(const CRect& rect, const CRect& area) {
  const int cx = Clamp(WidthOf(rect), 0, WidthOf(area));
  const int cy = Clamp(HeightOf(rect), 0, HeightOf(area));
  const int x = Clamp(rect.left, 0, WidthOf(area) - kKWMinReachable);
  const int y = Clamp(rect.top, 0, HeightOf(area) - kKWMinReachable);
  return CRect(x, y, Clamp(static_cast<long long>(x) + cx, x, INT_MAX),
               Clamp(static_cast<long long>(y) + cy, y, INT_MAX));
}

// A dock bar's rows naming only bars that dock in the frame, a bar docked
// by an earlier row of any dock bar left out, a kept place once per dock
// bar, and no empty rows. Answers whether a docked bar is left.
bool FitRows(std::vector<UINT>& rows, const KWLayoutHost& host, std::vector<UINT>& docked) {
  std::vector<UINT> fitted;
  bool bAnyDocked = false;
  const size_t nCount = std::min(rows.size(), static_cast<size_t>(kKWMaxSavedBarIds));
  for (size_t i = 0; i < nCount; ++i) {
    const UINT nID = rows[i] & kKWSavedBarIdMask;
    if (nID == 0) {
      if (fitted.empty() || fitted.back() != 0) fitted.push_back(0);
      continue;
    }
    const KWLayoutBar* pBar = FindBar(host, nID);
    if (pBar == nullptr || pBar->bDockBar || !pBar->bDocks) continue;
    if ((rows[i] & kKWSavedPlaceHolderFlag) != 0) {
      const UINT nEntry = nID | kKWSavedPlaceHolderFlag;
      if (!Contains(fitted, nEntry)) fitted.push_back(nEntry);
      continue;
    }
    if (Contains(docked, nID)) continue;
    docked.push_back(nID);
    fitted.push_back(nID);
    bAnyDocked = true;
  }
  rows.swap(fitted);
  return bAnyDocked;
}

bool IsDockBarOf(const KWLayoutHost& host, UINT nID) {
  const KWLayoutBar* pBar = FindBar(host, nID);
  return pBar != nullptr && pBar->bDockBar && nID != kKWSavedDockBarFloat;
}

void FitPositions(KWSavedBar& rec, const KWLayoutHost& host) {
  const CRect& area = host.rectWork;
  if (rec.bDockBar && rec.bFloating) {
    rec.pos = KeepInArea(rec.pos, area, host.rectFrameBorders.left, host.rectFrameBorders.top);
  } else {
    rec.pos = CPoint(KeepInDockBar(rec.pos.x, WidthOf(area)), KeepInDockBar(rec.pos.y, HeightOf(area)));
  }
  if (!rec.bDocking) return;
  if (rec.nMRUDockID != 0 && !IsDockBarOf(host, rec.nMRUDockID)) rec.nMRUDockID = 0;
  rec.rectMRUDock = KeepRectInDockBar(rec.rectMRUDock, area);
  rec.ptMRUFloat = KeepInArea(rec.ptMRUFloat, area, 0, 0);
}

}  // namespace

int KWBoundSavedCount(int nCount, int nMax) { return std::max(0, std::min(nCount, nMax)); }

std::vector<size_t> KWFitSavedLayout(std::vector<KWSavedBar>& saved, const KWLayoutHost& host) {
  std::vector<size_t> kept;
  std::vector<UINT> recorded;  // bars and dock bars that have their record
  std::vector<UINT> docked;    // bars some row already holds
  const size_t nCount = std::min(saved.size(), static_cast<size_t>(kKWMaxSavedBars));
  for (size_t i = 0; i < nCount; ++i) {
    KWSavedBar& rec = saved[i];
    const bool bFloatingFrame = rec.bDockBar && rec.bFloating;
    if (!bFloatingFrame) {
      // A bar, or a dock side, the frame still has, recorded once.
      const KWLayoutBar* pBar = FindBar(host, rec.nBarID);
      if (rec.nBarID == 0 || pBar == nullptr || pBar->bDockBar != rec.bDockBar ||
          rec.nBarID == kKWSavedDockBarFloat || Contains(recorded, rec.nBarID))
        continue;
      recorded.push_back(rec.nBarID);
    }
    if (rec.bDockBar) {
      // A floating frame with nothing to hold is not made.
      if (!FitRows(rec.rows, host, docked) && bFloatingFrame) continue;
    } else {
      rec.rows.clear();
    }
    FitPositions(rec, host);
    kept.push_back(i);
  }
  return kept;
}
