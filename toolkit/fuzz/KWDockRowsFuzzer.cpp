// libFuzzer target over the dock bar's row arithmetic: random rows of bars,
// breaks, placeholders and docking windows, laid out on a random side, then
// shared, resized and split. Besides the sanitizers' findings it stops on a
// broken invariant (a trap): splitters name entries of the rows, no docking
// window is made shorter than its minimum, and drags stay in their range.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "toolkit/core/KWDockLayout.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

// Bytes taken one at a time; zeros once they run out.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int Next() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool Done() const { return pos_ >= size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

constexpr int kScale = 4;  // a byte's lengths reach about a thousand pixels
constexpr size_t kMaxEntries = 64;
const UINT kDockBarIds[] = {kKWDockBarTop, kKWDockBarLeft, kKWDockBarRight, kKWDockBarBottom};

KWDockEntry ReadEntry(Reader& in) {
  const int flags = in.Next();
  KWDockEntry e;
  e.kind = static_cast<KWDockEntry::Kind>(flags % 3);
  e.barClass = static_cast<KWDockEntry::BarClass>((flags >> 2) % 4);
  e.bVisible = (flags & 0x10) != 0;
  e.bDockWindow = (flags & 0x20) != 0;
  e.bNew = (flags & 0x40) != 0;
  e.bExpanded = (flags & 0x80) != 0;
  e.nLength = e.nDesiredLength = in.Next() * kScale;
  e.nThickness = in.Next();
  e.nMinLength = in.Next();
  e.rectCurrent.left = e.rectCurrent.top = in.Next() * kScale;
  e.dwStyle = static_cast<DWORD>(flags) << 8;
  return e;
}

bool AtLeastMinimums(const KWDockEntries& entries, const KWDockEntries& before) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (KWIsVisibleDockWindow(entries[i]) &&
        entries[i].nLength < std::min(entries[i].nMinLength, before[i].nLength))
      return false;
  return true;
}

class Host : public KWDockLayoutHost {
 public:
  explicit Host(int avail) : avail_(avail) {}
  void NormalizeRow(KWDockEntries& entries, int index) override {
    const int newWindow = KWFindNewDockWindow(entries, index);
    KWShareRowLength(entries, index, newWindow, avail_);
    if (newWindow != kKWNoEntry) entries[newWindow].bNew = FALSE;
  }
  int HideButtonsToFit(const KWDockEntry&, int, int room) override { return room; }
  int ShowHiddenButtons(const KWDockEntry&, int length, int) override { return length; }

 private:
  int avail_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in(data, size);
  KWDockLayoutOptions options;
  options.nDockBarId = kDockBarIds[in.Next() % 4];
  options.sizeMax = CSize(in.Next() * kScale, in.Next() * kScale);
  options.bFloating = in.Next() & 1;
  KWDockEntries entries;
  while (!in.Done() && entries.size() < kMaxEntries) entries.push_back(ReadEntry(in));
  const int along = KWIsHorzDockBar(options.nDockBarId) ? options.sizeMax.cx : options.sizeMax.cy;

  // Sharing a row keeps every window it shares at its minimum or above.
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    KWDockEntries shared = entries;
    KWShareRowLength(shared, i, KWFindNewDockWindow(shared, i), along);
    for (int j = i; j < KWRowEnd(shared, i); ++j)
      Check(!KWIsVisibleDockWindow(shared[j]) || shared[j].nLength >= shared[j].nMinLength);
  }

  // A resize in both directions takes no window below where it could go.
  const int delta = static_cast<int>(size % 512) - 256;
  for (int i = 0; i <= static_cast<int>(entries.size()); ++i) {
    KWDockEntries split = entries;
    const KWSplitterExtent extent = KWBarSplitterLimits(split, i, 100);
    Check(extent.lower <= 100 && extent.upper >= 100);
    KWApplyBarSplit(split, i, delta);
    Check(AtLeastMinimums(split, entries));
    KWSplitterExtent drag = extent;
    KWSplitterDrag(drag, options.nDockBarId, i % 2, kKWSplitterVert + i % 2, CPoint(delta, -delta),
                   CPoint(0, 0));
    Check(drag.current >= extent.lower && drag.current <= extent.upper);
  }

  Host host(along);
  auto bars = [&entries] {
    return std::count_if(entries.begin(), entries.end(),
                         [](const KWDockEntry& e) { return e.kind != KWDockEntry::kRowBreak; });
  };
  const auto barCount = bars();
  const KWDockLayoutResult result = KWLayOutDockBar(entries, options, host);
  Check(result.rects.size() == entries.size());
  Check(bars() == barCount);  // only breaks come and go
  for (const KWDockSplitterPlace& place : result.splitters)
    Check(place.nIndex >= 0 && place.nIndex < static_cast<int>(entries.size()));
  return 0;
}
