#include "toolkit/core/KWDockWindowSizes.h"

#include <algorithm>
#include <cstdint>

namespace {

CSize Turned(CSize size) { return CSize(size.cy, size.cx); }

// The extent along the dock row: across for a horizontal bar, down for a
// vertical one. Null while floating.
LONG* RowLength(KWDockPlace place, CSize& size) {
  switch (place) {
    case KWDockPlace::kTopBottom: return &size.cx;
    case KWDockPlace::kLeftRight: return &size.cy;
    case KWDockPlace::kFloating: break;
  }
  return nullptr;
}

constexpr std::size_t kRecordValues = kKWDockSizeRecordBytes / sizeof(std::int32_t);

}  // namespace

KWDockWindowSizes KWDockWindowSizes::ForCreate(CSize size, DWORD dwStyle) {
  KWDockWindowSizes sizes;
  sizes.vertDocked = sizes.horzDocked = sizes.desired = size;
  LONG m = std::min(size.cx, size.cy);
  sizes.floating = CSize(m, m);
  if (dwStyle & kKWBarLeftOrRight)
    sizes.horzDocked = Turned(size);
  else
    sizes.vertDocked = Turned(size);
  return sizes;
}

CSize KWDockWindowSizes::DynamicLayout(int nLength, DWORD dwMode) {
  CSize result;
  if (dwMode & kKWLayoutHorzDock) {
    result = horzDocked;
  } else if (dwMode & kKWLayoutVertDock) {
    result = vertDocked;
  } else if (dwMode & kKWLayoutMruWidth) {
    result = floating;
  } else {
    LONG extent = std::max(nLength, kKWDockMinFloatExtent);
    if (dwMode == kKWLayoutHorz) desired.cx = extent;
    if (dwMode == (kKWLayoutHorz | kKWLayoutLengthY)) desired.cy = extent;
    result = desired;
  }
  if (dwMode & kKWLayoutCommit) floating = desired;
  return result;
}

void KWDockWindowSizes::SetBarSize(KWDockPlace place, CSize size) {
  desired = size;
  switch (place) {
    case KWDockPlace::kTopBottom: horzDocked = size; break;
    case KWDockPlace::kLeftRight: vertDocked = size; break;
    case KWDockPlace::kFloating: floating = size; break;
  }
}

void KWDockWindowSizes::DockAt(KWDockPlace from, KWDockPlace to) {
  if (from == to || from == KWDockPlace::kFloating) return;
  switch (to) {
    case KWDockPlace::kTopBottom: desired = horzDocked; break;
    case KWDockPlace::kLeftRight: desired = vertDocked; break;
    case KWDockPlace::kFloating: break;
  }
}

void KWDockWindowSizes::RestoreLength(KWDockPlace place) {
  if (LONG* length = RowLength(place, desired))
    *length = place == KWDockPlace::kTopBottom ? horzDocked.cx : vertDocked.cy;
  bExpanded = FALSE;
}

int KWDockWindowSizes::MinimizeLength(KWDockPlace place, int nMinLength) {
  bExpanded = FALSE;
  LONG* length = RowLength(place, desired);
  if (!length) return 0;
  *length = nMinLength;
  return (place == KWDockPlace::kTopBottom ? horzDocked.cx : vertDocked.cy) - nMinLength;
}

void KWDockWindowSizes::ExpandLength(KWDockPlace place, int n) {
  if (LONG* length = RowLength(place, desired)) *length = n;
  bExpanded = TRUE;
}

std::vector<BYTE> KWDockWindowSizes::ToRecord(DWORD dwExStyle) const {
  const std::int32_t values[kRecordValues] = {
      vertDocked.cx, vertDocked.cy, horzDocked.cx, horzDocked.cy, floating.cx, floating.cy,
      desired.cx,    desired.cy,    bOnlyInRow,    bExpanded,     static_cast<std::int32_t>(dwExStyle)};
  std::vector<BYTE> record;
  record.reserve(kKWDockSizeRecordBytes);
  for (std::int32_t value : values) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) record.push_back(static_cast<BYTE>(bits >> shift));
  }
  return record;
}

bool KWDockWindowSizes::ApplyRecord(const BYTE* pData, std::size_t nBytes) {
  if (!pData || nBytes < kKWDockSizeRecordAppliedBytes) return false;
  auto value = [pData](int index) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | pData[index * 4 + i];
    return static_cast<LONG>(static_cast<std::int32_t>(bits));
  };
  vertDocked = CSize(value(0), value(1));
  horzDocked = CSize(value(2), value(3));
  floating = CSize(value(4), value(5));
  desired = CSize(value(6), value(7));
  bOnlyInRow = value(8) != 0;
  bExpanded = value(9) != 0;
  return true;
}
