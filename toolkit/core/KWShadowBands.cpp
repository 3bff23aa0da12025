#include "toolkit/core/KWShadowBands.h"

#include <algorithm>

namespace {

// From the innermost ring outward.
constexpr int kRingDarkening[kKWShadowWidth] = {60, 45, 30, 15};
constexpr int kChannelMax = 255;
constexpr int kRedShift = 0;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

int Darken(COLORREF color, int shift, int amount) {
  int channel = static_cast<int>((color >> shift) & kChannelMax);
  return std::clamp(channel - amount, 0, kChannelMax) << shift;
}

}  // namespace

COLORREF KWDarkenColor(COLORREF color, int nAmount) {
  return static_cast<COLORREF>(Darken(color, kRedShift, nAmount) |
                               Darken(color, kGreenShift, nAmount) |
                               Darken(color, kBlueShift, nAmount));
}

int KWShadowAmount(const CRect& r, int x, int y, int nDarkness) {
  bool inRight = x >= r.right - kKWShadowWidth && x < r.right && y >= r.top + kKWShadowWidth &&
                 y < r.bottom;
  bool inBottom = y >= r.bottom - kKWShadowWidth && y < r.bottom &&
                  x >= r.left + kKWShadowWidth && x < r.right - kKWShadowWidth;
  if (!inRight && !inBottom) return -1;
  for (int ring = 0; ring < kKWShadowWidth; ++ring) {
    int inset = kKWShadowWidth - 1 - ring;
    CRect bounds(r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
    if (bounds.PtInRect(CPoint(x, y))) return kRingDarkening[ring] * nDarkness / kKWShadowDarkness;
  }
  return -1;
}

void KWDrawShadow(KWPixelBuffer& buffer, const CRect& r, int nDarkness) {
  KWForEachShadowPixel(r, nDarkness, [&](int x, int y, int amount) {
    if (buffer.Contains(x, y)) buffer.At(x, y) = KWDarkenColor(buffer.At(x, y), amount);
  });
}
