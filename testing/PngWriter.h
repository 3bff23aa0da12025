// Writes 24-bit RGB images as PNG files, so that tests can leave what a window
// painted for a person to look at. Stored (uncompressed) deflate blocks keep it
// dependency-free; test images are small.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // rows top to bottom, 3 bytes a pixel: R, G, B

  uint32_t PixelAt(int x, int y) const;  // 0x00RRGGBB
};

// The PNG file's bytes.
std::vector<uint8_t> EncodePng(const RgbImage& image);
// Returns false when the file cannot be written.
bool WritePng(const RgbImage& image, const std::string& path);
