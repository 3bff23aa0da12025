// libFuzzer target over fitting a saved docking layout to a frame: random
// records (bars, dock bars, floating frames, rows of ids with kept places and
// stray high bits, positions anywhere an int reaches) fitted to a random frame
// and work area. Besides the sanitizers' findings it stops on a broken
// invariant (a trap): only bars the frame has are kept, each once, rows name
// only bars that dock, once across all rows and without empty rows, floating
// frames hold a bar and stay in reach, and a fitted layout fits as it is.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "toolkit/core/KWSavedLayout.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

constexpr size_t kMaxRecords = 48;
constexpr size_t kMaxRowIds = 24;
// Small ids, so that records and rows meet the frame's bars often.
constexpr UINT kIds[] = {0, 100, 101, 102, 0xE801, 0xE81B, 0xE81C, 0xE81D, 0xE81E, 0xE81F};
constexpr size_t kIdCount = sizeof kIds / sizeof kIds[0];

// Bytes taken as they come; zeros once they run out.
struct Input {
  const uint8_t* data;
  size_t size;
  size_t pos = 0;
  int Byte() { return pos < size ? data[pos++] : 0; }
  int Int() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint32_t>(Byte());
    int n;
    std::memcpy(&n, &v, sizeof n);
    return n;
  }
  UINT Id() {
    const int b = Byte();
    return kIds[b % kIdCount] | (b & 0x80 ? kKWSavedPlaceHolderFlag : 0) | (b & 0x40 ? 0x20000 : 0);
  }
  bool Done() const { return pos >= size; }
};

const KWLayoutBar* Find(const KWLayoutHost& host, UINT nID) {
  for (const KWLayoutBar& bar : host.bars)
    if (bar.nID == nID) return &bar;
  return nullptr;
}

// Within [lo, hi], or at the end of the ints a range beyond them stops at.
bool Within(int v, long long lo, long long hi) {
  lo = std::min<long long>(lo, INT_MAX);
  return v >= lo && v <= std::max(lo, hi);
}

void CheckFitted(const std::vector<KWSavedBar>& saved, const std::vector<size_t>& kept,
                 const KWLayoutHost& host) {
  std::vector<UINT> recorded;
  std::vector<UINT> docked;
  const CRect& work = host.rectWork;
  for (size_t n = 0; n < kept.size(); ++n) {
    Check(kept[n] < saved.size() && (n == 0 || kept[n] > kept[n - 1]));
    const KWSavedBar& rec = saved[kept[n]];
    const bool bFloatingFrame = rec.bDockBar && rec.bFloating;
    if (!bFloatingFrame) {
      const KWLayoutBar* pBar = Find(host, rec.nBarID);
      Check(pBar != nullptr && pBar->bDockBar == rec.bDockBar);
      Check(std::find(recorded.begin(), recorded.end(), rec.nBarID) == recorded.end());
      recorded.push_back(rec.nBarID);
      Check(rec.pos.x >= kKWNoSavedPosition && rec.pos.y >= kKWNoSavedPosition);
    } else {
      Check(Within(rec.pos.x, static_cast<long long>(work.left) + host.rectFrameBorders.left,
                   static_cast<long long>(work.right) - kKWMinReachable));
      Check(Within(rec.pos.y, static_cast<long long>(work.top) + host.rectFrameBorders.top,
                   static_cast<long long>(work.bottom) - kKWMinReachable));
    }
    Check(rec.rows.size() <= static_cast<size_t>(kKWMaxSavedBarIds));
    bool bHolds = false;
    for (size_t i = 0; i < rec.rows.size(); ++i) {
      const UINT nEntry = rec.rows[i];
      if (nEntry == 0) {
        Check(i == 0 || rec.rows[i - 1] != 0);
        continue;
      }
      const KWLayoutBar* pBar = Find(host, nEntry & kKWSavedBarIdMask);
      Check(pBar != nullptr && !pBar->bDockBar && pBar->bDocks);
      if (nEntry & kKWSavedPlaceHolderFlag) continue;
      Check(nEntry == (nEntry & kKWSavedBarIdMask));
      Check(std::find(docked.begin(), docked.end(), nEntry) == docked.end());
      docked.push_back(nEntry);
      bHolds = true;
    }
    Check(!bFloatingFrame || bHolds);
    if (rec.bDocking && rec.nMRUDockID != 0) {
      const KWLayoutBar* pDock = Find(host, rec.nMRUDockID);
      Check(pDock != nullptr && pDock->bDockBar && rec.nMRUDockID != kKWSavedDockBarFloat);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in{data, size};
  KWLayoutHost host;
  const int nHostBars = in.Byte();
  for (size_t i = 0; i < kIdCount; ++i)
    if (nHostBars & (1 << (i % 8)))
      host.bars.push_back({kIds[i], kIds[i] >= 0xE81B, kIds[i] < 0xE801});
  host.rectWork = CRect(in.Int(), in.Int(), in.Int(), in.Int());
  host.rectFrameBorders = CRect(in.Byte() % 16, in.Byte() % 64, in.Byte() % 16, in.Byte() % 16);

  std::vector<KWSavedBar> saved;
  while (!in.Done() && saved.size() < kMaxRecords) {
    KWSavedBar rec;
    const int flags = in.Byte();
    rec.nBarID = in.Id() & kKWSavedBarIdMask;
    rec.bDockBar = flags & 1;
    rec.bFloating = flags & 2;
    rec.bDocking = flags & 4;
    rec.pos = CPoint(in.Int(), in.Int());
    rec.nMRUDockID = in.Id();
    rec.rectMRUDock = CRect(in.Int(), in.Int(), in.Int(), in.Int());
    rec.ptMRUFloat = CPoint(in.Int(), in.Int());
    const size_t nRow = static_cast<size_t>(in.Byte()) % kMaxRowIds;
    for (size_t i = 0; i < nRow; ++i) rec.rows.push_back(in.Id());
    saved.push_back(rec);
  }

  std::vector<KWSavedBar> fitted = saved;
  const std::vector<size_t> kept = KWFitSavedLayout(fitted, host);
  CheckFitted(fitted, kept, host);

  // What was kept fits as it stands, when the work area is not degenerate.
  const CRect& work = host.rectWork;
  if (static_cast<long long>(work.right) - work.left > kKWMinReachable + host.rectFrameBorders.left &&
      static_cast<long long>(work.bottom) - work.top > kKWMinReachable + host.rectFrameBorders.top) {
    std::vector<KWSavedBar> again;
    for (size_t i : kept) again.push_back(fitted[i]);
    std::vector<KWSavedBar> refitted = again;
    Check(KWFitSavedLayout(refitted, host).size() == again.size());
    for (size_t i = 0; i < again.size(); ++i) {
      Check(refitted[i].pos == again[i].pos && refitted[i].rows == again[i].rows);
      Check(refitted[i].rectMRUDock == again[i].rectMRUDock);
      Check(refitted[i].ptMRUFloat == again[i].ptMRUFloat);
    }
  }
  return 0;
}
