#include "classlib/core/ToolBarResource.h"

namespace {
// Version, image width, image height, item count.
constexpr size_t kHeaderWords = 4;

WORD WordAt(const BYTE* pData, size_t nWord) {
  return static_cast<WORD>(pData[2 * nWord] | (pData[2 * nWord + 1] << 8));
}
}  // namespace

bool ParseToolBarResource(const BYTE* pData, size_t nSize, ToolBarResource* pResult) {
  if (pData == nullptr || nSize < 2 * kHeaderWords) return false;
  if (WordAt(pData, 0) != kToolBarResourceVersion) return false;
  size_t nCount = WordAt(pData, 3);
  if (nSize < 2 * (kHeaderWords + nCount)) return false;
  pResult->cxImage = WordAt(pData, 1);
  pResult->cyImage = WordAt(pData, 2);
  pResult->ids.clear();
  for (size_t i = 0; i < nCount; ++i) pResult->ids.push_back(WordAt(pData, kHeaderWords + i));
  return true;
}
