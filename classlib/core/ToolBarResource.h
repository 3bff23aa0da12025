// A toolbar resource (RT_TOOLBAR): the size of one image and the command ids
// of the buttons in order, 0 for a separator. Resource compilers write it
// in one of two layouts, both little-endian:
// - 16-bit words: a version (1), the image width and height, the item count,
//   the ids;
// - 32-bit words without a version (GNU windres): the image width and
//   height, the item count, the ids.
// An image width below 65536 leaves the second 16-bit word of the 32-bit
// layout 0, where the 16-bit layout has the width.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/WinTypes.h"

struct ToolBarResource {
  int cxImage = 0;
  int cyImage = 0;
  std::vector<UINT> ids;
};

// The version of the 16-bit layout.
constexpr WORD kToolBarResourceVersion = 1;

// Reads the resource's nSize bytes; false for another version or a resource
// shorter than its item count says.
bool ParseToolBarResource(const BYTE* pData, size_t nSize, ToolBarResource* pResult);
