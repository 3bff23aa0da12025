#include "toolkit/core/SysColorDib.h"

#include <cstdint>
#include <cstring>

const COLORREF kSysColorSources[kSysColorMapSize] = {RGB(0, 0, 0), RGB(128, 128, 128),
                                                     RGB(192, 192, 192), RGB(255, 255, 255)};

namespace {

constexpr size_t kInfoHeaderSize = 40;
// BI_BITFIELDS: three DWORD masks follow a 40-byte header (and sit inside a
// V4 or V5 header at the same place).
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;
constexpr size_t kMaskBytes = 12;
constexpr size_t kRgbQuadSize = 4;
constexpr int kMaxPalettedBits = 8;
constexpr int kMaxDimension = 1 << 15;
// Offsets inside BITMAPINFOHEADER.
constexpr size_t kWidthOffset = 4, kHeightOffset = 8, kPlanesOffset = 12, kBitCountOffset = 14,
                 kCompressionOffset = 16, kClrUsedOffset = 32;
constexpr size_t kMonochromeKeptEntry = 0;  // black, which becomes the button text
constexpr BYTE kWhiteQuad[kRgbQuadSize] = {255, 255, 255, 0};

uint32_t Read32(const BYTE* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Read16(const BYTE* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool IsDrawnDepth(int bits) {
  for (int allowed : {1, 4, 8, 16, 24, 32})
    if (bits == allowed) return true;
  return false;
}

// A COLORREF as a colour-table entry holds it: blue, green, red, 0.
void ToQuad(COLORREF color, BYTE quad[kRgbQuadSize]) {
  quad[0] = static_cast<BYTE>(color >> 16);
  quad[1] = static_cast<BYTE>(color >> 8);
  quad[2] = static_cast<BYTE>(color);
  quad[3] = 0;
}

}  // namespace

bool ParseSysColorDib(const BYTE* data, size_t size, SysColorDib& dib) {
  if (data == nullptr || size < kInfoHeaderSize) return false;
  uint32_t headerSize = Read32(data);
  if (headerSize < kInfoHeaderSize || headerSize > size) return false;
  int32_t width = static_cast<int32_t>(Read32(data + kWidthOffset));
  int32_t height = static_cast<int32_t>(Read32(data + kHeightOffset));
  int bits = Read16(data + kBitCountOffset);
  uint32_t compression = Read32(data + kCompressionOffset);
  uint32_t colorsUsed = Read32(data + kClrUsedOffset);
  if (width <= 0 || width > kMaxDimension || height == 0 || height > kMaxDimension ||
      height < -kMaxDimension || Read16(data + kPlanesOffset) != 1 || !IsDrawnDepth(bits))
    return false;
  bool bitFields = compression == kCompressionBitFields && (bits == 16 || bits == 32);
  if (compression != kCompressionRgb && !bitFields) return false;

  // A palette may be shorter than the depth allows: biClrUsed says how long.
  uint32_t fullPalette = bits <= kMaxPalettedBits ? 1u << bits : 0;
  uint32_t colors = colorsUsed != 0 && colorsUsed < fullPalette ? colorsUsed : fullPalette;
  size_t masks = bitFields ? kMaskBytes : 0;
  // Masks after a 40-byte header are outside it; a longer header holds them.
  size_t tableOffset = headerSize + (headerSize == kInfoHeaderSize ? masks : 0);
  // A true-colour bitmap may carry a palette for displays with few colours:
  // skipped, as its pixels are drawn as they are.
  uint64_t skipped = bits > kMaxPalettedBits ? colorsUsed : 0;
  uint64_t pixelStart = tableOffset + (uint64_t(colors) + skipped) * kRgbQuadSize;
  uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
  uint64_t rows = height < 0 ? -int64_t(height) : height;
  if (pixelStart > size || stride * rows > size - pixelStart) return false;
  if (masks != 0 && kInfoHeaderSize + masks > size) return false;
  size_t pixelOffset = static_cast<size_t>(pixelStart);

  dib.width = width;
  dib.height = height;
  dib.bitCount = bits;
  dib.colorTableOffset = tableOffset;
  dib.pixelOffset = pixelOffset;
  dib.colorCount = static_cast<int>(colors);
  dib.info.assign(data, data + kInfoHeaderSize);
  dib.info[0] = static_cast<BYTE>(kInfoHeaderSize);
  dib.info[1] = dib.info[2] = dib.info[3] = 0;
  std::memcpy(&dib.info[kClrUsedOffset], &colors, sizeof colors);
  dib.info.insert(dib.info.end(), data + kInfoHeaderSize, data + kInfoHeaderSize + masks);
  dib.info.insert(dib.info.end(), data + tableOffset,
                  data + tableOffset + size_t(colors) * kRgbQuadSize);
  return true;
}

void MapSysColorTable(SysColorDib& dib, const COLORREF targets[kSysColorMapSize], bool monochrome) {
  BYTE* table = dib.info.data() + (dib.info.size() - size_t(dib.colorCount) * kRgbQuadSize);
  for (int entry = 0; entry < dib.colorCount; ++entry) {
    BYTE* quad = table + size_t(entry) * kRgbQuadSize;
    for (size_t i = 0; i < kSysColorMapSize; ++i) {
      BYTE source[kRgbQuadSize];
      ToQuad(kSysColorSources[i], source);
      if (std::memcmp(quad, source, kRgbQuadSize) != 0) continue;
      if (!monochrome)
        ToQuad(targets[i], quad);
      else if (i != kMonochromeKeptEntry)
        std::memcpy(quad, kWhiteQuad, kRgbQuadSize);
      break;
    }
  }
}
