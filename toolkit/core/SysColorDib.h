// The layout of a bitmap resource (a packed DIB: header, colour masks, colour
// table, pixels) as the system-colour loader reads it, checked against the
// resource's size, and the mapping of its four standard greys to the user's
// 3-D colours.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/WinTypes.h"

// The four colours a system-colour bitmap is drawn in, in map order: black,
// dark grey, light grey, white.
constexpr int kSysColorMapSize = 4;
extern const COLORREF kSysColorSources[kSysColorMapSize];

struct SysColorDib {
  int width = 0;
  int height = 0;  // negative for a top-down bitmap
  int bitCount = 0;
  // Where the colour table and the pixels begin in the resource.
  size_t colorTableOffset = 0;
  size_t pixelOffset = 0;
  int colorCount = 0;
  // The resource's header as a plain 40-byte BITMAPINFOHEADER (a V4 or V5
  // header shortened to it), followed by the colour masks when the bitmap
  // has them and by the colour table: what the blit takes as BITMAPINFO.
  std::vector<BYTE> info;
};

// false for data too short for its header, masks, colour table and pixels, or
// with a size, depth or compression the loader does not draw.
bool ParseSysColorDib(const BYTE* data, size_t size, SysColorDib& dib);

// Replaces each colour-table entry that equals a source colour (the first
// match in map order) by its target (targets[i] for kSysColorSources[i]);
// monochrome makes every mapped entry white but black, which stays.
void MapSysColorTable(SysColorDib& dib, const COLORREF targets[kSysColorMapSize], bool monochrome);
