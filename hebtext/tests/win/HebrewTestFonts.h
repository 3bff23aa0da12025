// Test helpers: the program's Hebrew fonts registered for the test process
// from the build folder, and a white memory canvas to draw into and inspect.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "classlib/win/CDC.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

// Adds the six fonts built beside the program, for this process only.
// Returns how many were added.
inline int AddHebrewFontFiles() {
  const char* binary = std::getenv("ZULTA_BINARY_DIR");
  if (binary == nullptr) return 0;
  std::string folder = std::string("Z:") + binary + "/Zulta/fonts/";
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  int added = 0;
  for (const char* file : {"PomlarSephardi2.ttf", "PomlarStam2.ttf", "PomlarDavid2.ttf",
                           "PomlarVelira2.ttf", "PomlarNoam2.ttf", "PomlarCursiva2.ttf"}) {
    added += AddFontResourceExA((folder + file).c_str(), FR_PRIVATE, nullptr) > 0 ? 1 : 0;
  }
  return added;
}

// AddHebrewFontFiles once however many suites ask: a second registration
// would list every face twice.
inline int RegisterHebrewFonts() {
  static const int added = AddHebrewFontFiles();
  return added;
}

// A memory DC over a white 32-bit bitmap, wrapped as a CDC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_.Attach(CreateCompatibleDC(nullptr));
    old_ = SelectObject(dc_.m_hDC, bitmap_);
    dc_.PatBlt(0, 0, width, height, WHITENESS);
    dc_.SetBkMode(TRANSPARENT);
  }
  ~Canvas() {
    SelectObject(dc_.m_hDC, old_);
    DeleteDC(dc_.Detach());
    DeleteObject(bitmap_);
  }
  CDC* dc() { return &dc_; }
  RgbImage Capture() { return CaptureDC(dc_.m_hDC, 0, 0, width_, height_); }

 private:
  int width_, height_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  CDC dc_;
};

enum class Ink { kNone, kBlack, kRed, kBlue, kGreen };

// The colour a pixel's ink was drawn in (smoothed edges included).
inline Ink InkOf(uint32_t p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  if (r < 100 && g < 100 && b < 100) return Ink::kBlack;
  if (r - (g > b ? g : b) > 60) return Ink::kRed;
  if (b - (r > g ? r : g) > 60) return Ink::kBlue;
  if (g - (r > b ? r : b) > 60) return Ink::kGreen;
  return Ink::kNone;
}

inline Ink InkAt(const RgbImage& image, int x, int y) { return InkOf(image.PixelAt(x, y)); }

inline PixelTest IsInk(Ink ink) {
  return [ink](uint32_t rgb) { return InkOf(rgb) == ink; };
}

// The bounding box of the ink of one colour; empty (left > right) when none.
inline RECT InkBox(const RgbImage& image, Ink ink) { return BoundingBox(image, IsInk(ink)); }
