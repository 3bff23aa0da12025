#include "testing/PngWriter.h"

#include <gtest/gtest.h>

namespace {

uint32_t BigEndianAt(const std::vector<uint8_t>& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

RgbImage Gradient(int width, int height) {
  RgbImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels.insert(image.pixels.end(), {uint8_t(x), uint8_t(y), uint8_t(x ^ y)});
  return image;
}

// Reads back the filtered rows from the IDAT stored blocks.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& png) {
  size_t at = 8;
  std::vector<uint8_t> zlib;
  while (at < png.size()) {
    uint32_t length = BigEndianAt(png, at);
    std::string type(png.begin() + at + 4, png.begin() + at + 8);
    if (type == "IDAT")
      zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  std::vector<uint8_t> raw;
  size_t pos = 2;
  for (;;) {
    bool last = zlib[pos] & 1;
    size_t length = zlib[pos + 1] | (zlib[pos + 2] << 8);
    EXPECT_EQ(length ^ 0xFFFF, size_t(zlib[pos + 3] | (zlib[pos + 4] << 8)));
    raw.insert(raw.end(), zlib.begin() + pos + 5, zlib.begin() + pos + 5 + length);
    pos += 5 + length;
    if (last) break;
  }
  return raw;
}

TEST(PngWriter, WritesSignatureHeaderAndTerminator) {
  std::vector<uint8_t> png = EncodePng(Gradient(3, 2));
  const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
  EXPECT_EQ(BigEndianAt(png, 8), 13u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndianAt(png, 16), 3u);
  EXPECT_EQ(BigEndianAt(png, 20), 2u);
  // Every PNG ends with the same empty IEND chunk and its well-known CRC.
  EXPECT_EQ(BigEndianAt(png, png.size() - 4), 0xAE426082u);
}

TEST(PngWriter, RowsSurviveAcrossSeveralStoredBlocks) {
  RgbImage image = Gradient(300, 100);  // more than one 64 KiB block
  std::vector<uint8_t> raw = InflateStored(EncodePng(image));
  ASSERT_EQ(raw.size(), size_t(100 * (1 + 300 * 3)));
  for (int y : {0, 57, 99}) {
    EXPECT_EQ(raw[y * 901], 0);
    EXPECT_EQ(raw[y * 901 + 1 + 299 * 3 + 2], uint8_t(299 ^ y));
  }
  EXPECT_EQ(image.PixelAt(2, 1), 0x020103u);
}

}  // namespace
