// The soft drop shadow along the right and bottom edges of a rectangle: which
// pixels its two bands own and how much each is darkened.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

// Width of the shadow and the offset of its bands from the top and left ends.
constexpr int kKWShadowWidth = 4;
// Full strength.
constexpr int kKWShadowDarkness = 100;

// Each of red, green and blue less nAmount, clamped to 0..255; high byte 0.
COLORREF KWDarkenColor(COLORREF color, int nAmount);

// The darkening of pixel (x, y) of rectangle r's shadow at nDarkness percent;
// -1 for a pixel outside both bands. The right band owns the corner; the
// innermost ring darkens most (60), the outer one least (15).
int KWShadowAmount(const CRect& r, int x, int y, int nDarkness);

// Calls fn(x, y, amount) for every pixel of r's bands, right band first.
template <typename Fn>
void KWForEachShadowPixel(const CRect& r, int nDarkness, Fn fn) {
  auto visit = [&](int x, int y) {
    int amount = KWShadowAmount(r, x, y, nDarkness);
    if (amount >= 0) fn(x, y, amount);
  };
  for (int x = r.right - kKWShadowWidth; x < r.right; ++x)
    for (int y = r.top + kKWShadowWidth; y < r.bottom; ++y) visit(x, y);
  for (int y = r.bottom - kKWShadowWidth; y < r.bottom; ++y)
    for (int x = r.left + kKWShadowWidth; x < r.right - kKWShadowWidth; ++x) visit(x, y);
}

// A picture held as COLORREF values, row by row.
struct KWPixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  KWPixelBuffer(int w, int h, COLORREF fill) : width(w), height(h), pixels(w * h, fill) {}
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  COLORREF& At(int x, int y) { return pixels[y * width + x]; }
};

// Darkens r's bands in the buffer; pixels beyond the buffer are skipped.
void KWDrawShadow(KWPixelBuffer& buffer, const CRect& r, int nDarkness);
