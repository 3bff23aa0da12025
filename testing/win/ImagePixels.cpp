#include "testing/win/ImagePixels.h"

#include <algorithm>

uint32_t CaptureColor(COLORREF color) {
  return (static_cast<uint32_t>(GetRValue(color)) << 16) | (GetGValue(color) << 8) |
         GetBValue(color);
}

PixelTest IsColor(COLORREF color) {
  return [rgb = CaptureColor(color)](uint32_t pixel) { return pixel == rgb; };
}

int CountPixels(const RgbImage& image, const PixelTest& test) {
  return CountPixels(image, RECT{0, 0, image.width, image.height}, test);
}

int CountPixels(const RgbImage& image, const RECT& area, const PixelTest& test) {
  int count = 0;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, image.height); ++y) {
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, image.width); ++x)
      count += test(image.PixelAt(x, y)) ? 1 : 0;
  }
  return count;
}

RECT BoundingBox(const RgbImage& image, const PixelTest& test) {
  RECT box = {image.width, image.height, -1, -1};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!test(image.PixelAt(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.right = std::max<LONG>(box.right, x);
      box.top = std::min<LONG>(box.top, y);
      box.bottom = std::max<LONG>(box.bottom, y);
    }
  }
  return box;
}
