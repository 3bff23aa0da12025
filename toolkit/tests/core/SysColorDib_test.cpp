#include "toolkit/core/SysColorDib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr uint32_t kBitFields = 3;

struct DibShape {
  uint32_t headerSize = 40;
  int32_t width = 4;
  int32_t height = 2;
  uint16_t bits = 8;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  uint32_t tableEntries = 256;  // entries actually stored
  bool masksAfterHeader = false;
};

void Put32(std::vector<BYTE>& out, size_t at, uint32_t value) {
  std::memcpy(&out[at], &value, sizeof value);
}

// A packed DIB: header of the given size, masks, colour table (entry i holds
// grey i), then rows of pixels whose bytes count from 1.
std::vector<BYTE> MakeDib(const DibShape& shape) {
  std::vector<BYTE> dib(shape.headerSize, 0);
  Put32(dib, 0, shape.headerSize);
  Put32(dib, 4, static_cast<uint32_t>(shape.width));
  Put32(dib, 8, static_cast<uint32_t>(shape.height));
  dib[12] = 1;
  std::memcpy(&dib[14], &shape.bits, sizeof shape.bits);
  Put32(dib, 16, shape.compression);
  Put32(dib, 32, shape.colorsUsed);
  if (shape.compression == kBitFields) {
    std::vector<BYTE> masks(12, 0);
    Put32(masks, 0, 0xF800), Put32(masks, 4, 0x07E0), Put32(masks, 8, 0x001F);
    if (shape.masksAfterHeader)
      dib.insert(dib.end(), masks.begin(), masks.end());
    else
      std::copy(masks.begin(), masks.end(), dib.begin() + 40);
  }
  for (uint32_t i = 0; i < shape.tableEntries; ++i) {
    BYTE grey = static_cast<BYTE>(i);
    dib.insert(dib.end(), {grey, grey, grey, 0});
  }
  size_t stride = (size_t(shape.width) * shape.bits + 31) / 32 * 4;
  size_t rows = shape.height < 0 ? -shape.height : shape.height;
  for (size_t i = 0; i < stride * rows; ++i) dib.push_back(static_cast<BYTE>(i + 1));
  return dib;
}

TEST(SysColorDib, FindsThePixelsAfterAnyHeaderAndPalette) {
  struct {
    const char* name;
    DibShape shape;
    size_t pixelOffset;
    int colors;
  } const cases[] = {
      {"8-bit, full palette", {}, 40 + 1024, 256},
      {"8-bit, palette of 16 by biClrUsed", {40, 4, 2, 8, 0, 16, 16}, 40 + 64, 16},
      {"4-bit, V4 header", {108, 4, 2, 4, 0, 0, 16}, 108 + 64, 16},
      {"4-bit, V5 header, top-down", {124, 4, -2, 4, 0, 0, 16}, 124 + 64, 16},
      {"1-bit", {40, 9, 3, 1, 0, 0, 2}, 40 + 8, 2},
      {"24-bit", {40, 3, 2, 24, 0, 0, 0}, 40, 0},
      {"24-bit with a display palette", {40, 3, 2, 24, 0, 5, 5}, 40 + 20, 0},
      {"16-bit bit fields after a 40-byte header", {40, 3, 2, 16, kBitFields, 0, 0, true}, 52, 0},
      {"32-bit bit fields in a V5 header", {124, 3, 2, 32, kBitFields, 0, 0}, 124, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<BYTE> data = MakeDib(c.shape);
    SysColorDib dib;
    ASSERT_TRUE(ParseSysColorDib(data.data(), data.size(), dib));
    EXPECT_EQ(dib.pixelOffset, c.pixelOffset);
    EXPECT_EQ(dib.colorCount, c.colors);
    EXPECT_EQ(dib.width, c.shape.width);
    EXPECT_EQ(dib.height, c.shape.height);
    EXPECT_EQ(data[dib.pixelOffset], 1) << "the first pixel byte";
    // The blit's header is a plain 40-byte one with the masks and the table after it.
    size_t masks = c.shape.compression == kBitFields ? 12 : 0;
    ASSERT_EQ(dib.info.size(), 40 + masks + size_t(c.colors) * 4);
    EXPECT_EQ(dib.info[0], 40);
    uint32_t colorsUsed;
    std::memcpy(&colorsUsed, &dib.info[32], 4);
    EXPECT_EQ(colorsUsed, uint32_t(c.colors));
    if (c.colors > 1) {
      EXPECT_EQ(dib.info[40 + masks + 4], 1) << "entry 1 is grey 1";
    }
  }
}

TEST(SysColorDib, RefusesWhatDoesNotFitOrIsNotDrawn) {
  DibShape shortPalette;
  shortPalette.tableEntries = 16;  // 256 promised by the depth, 16 stored
  DibShape hugeHeader;
  hugeHeader.headerSize = 4000;
  hugeHeader.tableEntries = 0;
  DibShape rle;
  rle.compression = 1;
  DibShape noWidth;
  noWidth.width = 0;
  DibShape oddDepth;
  oddDepth.bits = 7;
  DibShape hugeUsed;
  hugeUsed.bits = 24;
  hugeUsed.colorsUsed = 0x40000000;
  hugeUsed.tableEntries = 0;
  for (const DibShape& shape : {shortPalette, rle, noWidth, oddDepth, hugeUsed}) {
    std::vector<BYTE> data = MakeDib(shape);
    SysColorDib dib;
    EXPECT_FALSE(ParseSysColorDib(data.data(), data.size(), dib));
  }
  std::vector<BYTE> header = MakeDib(hugeHeader);
  header.resize(100);
  SysColorDib dib;
  EXPECT_FALSE(ParseSysColorDib(header.data(), header.size(), dib)) << "header beyond the data";
  std::vector<BYTE> whole = MakeDib(DibShape());
  for (size_t size : {size_t(0), size_t(39), whole.size() - 1}) {
    EXPECT_FALSE(ParseSysColorDib(whole.data(), size, dib)) << size;
  }
}

TEST(SysColorDib, MapsTheFourGreysOfTheTable) {
  const COLORREF targets[kSysColorMapSize] = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9),
                                              RGB(10, 11, 12)};
  // Light grey twice, a colour that is no grey, and a grey with a non-zero reserved byte.
  const BYTE table[][4] = {{0, 0, 0, 0},       {192, 192, 192, 0}, {128, 128, 128, 0},
                           {192, 192, 192, 0}, {255, 255, 255, 0}, {10, 20, 30, 0},
                           {128, 128, 128, 1}};
  // clang-format off
  const BYTE mapped[][4] = {{3, 2, 1, 0}, {9, 8, 7, 0}, {6, 5, 4, 0}, {9, 8, 7, 0}, {12, 11, 10, 0},
                            {10, 20, 30, 0}, {128, 128, 128, 1}};
  const BYTE monochrome[][4] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {255, 255, 255, 0},
                                {255, 255, 255, 0}, {255, 255, 255, 0}, {10, 20, 30, 0},
                                {128, 128, 128, 1}};
  // clang-format on
  for (bool mono : {false, true}) {
    SysColorDib dib;
    dib.colorCount = 7;
    dib.info.assign(40, 0);
    for (const auto& quad : table) dib.info.insert(dib.info.end(), quad, quad + 4);
    MapSysColorTable(dib, targets, mono);
    const BYTE(*expected)[4] = mono ? monochrome : mapped;
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(0, std::memcmp(&dib.info[40 + i * 4], expected[i], 4)) << "entry " << i << mono;
  }
}

}  // namespace
