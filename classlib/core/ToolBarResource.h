// A toolbar resource (RT_TOOLBAR): a version, the size of one image, and the
// command ids of the buttons in order, 0 for a separator; every field a
// 16-bit little-endian word.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/WinTypes.h"

struct ToolBarResource {
  int cxImage = 0;
  int cyImage = 0;
  std::vector<UINT> ids;
};

// The version of the layout this reads.
constexpr WORD kToolBarResourceVersion = 1;

// Reads the resource's nSize bytes; false for another version or a resource
// shorter than its item count says.
bool ParseToolBarResource(const BYTE* pData, size_t nSize, ToolBarResource* pResult);
