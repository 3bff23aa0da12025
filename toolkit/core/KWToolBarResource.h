// The toolbar resource (type 241): 16-bit little-endian words, a version,
// the image width and height, the item count and that many command ids
// (0 for a separator).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct KWToolBarResource {
  int nVersion = 0;
  int cxImage = 0;
  int cyImage = 0;
  std::vector<unsigned> ids;
};

// The resource read from its bytes; none when the header or the ids it
// announces do not fit in nSize bytes, or an image size is 0.
std::optional<KWToolBarResource> KWReadToolBarResource(const void* pData, size_t nSize);
