#include "classlib/core/ToolBarResource.h"

namespace {
// The words before the ids: version, image width, image height, item count
// in the 16-bit layout; image width, image height, item count in the 32-bit one.
constexpr size_t kHeaderWords16 = 4;
constexpr size_t kHeaderWords32 = 3;

DWORD WordAt(const BYTE* pData, size_t nWord, size_t cbWord) {
  DWORD dw = 0;
  for (size_t i = cbWord; i-- > 0;) dw = (dw << 8) | pData[nWord * cbWord + i];
  return dw;
}

// Reads the layout of words of cbWord bytes whose header is nHeaderWords long.
bool ParseLayout(const BYTE* pData, size_t nSize, size_t cbWord, size_t nHeaderWords,
                 ToolBarResource* pResult) {
  size_t nFirst = nHeaderWords - 3;  // the image width's word
  size_t nCount = WordAt(pData, nFirst + 2, cbWord);
  if (nSize / cbWord < nHeaderWords + nCount) return false;
  pResult->cxImage = static_cast<int>(WordAt(pData, nFirst, cbWord));
  pResult->cyImage = static_cast<int>(WordAt(pData, nFirst + 1, cbWord));
  pResult->ids.clear();
  for (size_t i = 0; i < nCount; ++i)
    pResult->ids.push_back(static_cast<UINT>(WordAt(pData, nHeaderWords + i, cbWord)));
  return true;
}
}  // namespace

bool ParseToolBarResource(const BYTE* pData, size_t nSize, ToolBarResource* pResult) {
  if (pData == nullptr || nSize < 2 * kHeaderWords16) return false;
  if (WordAt(pData, 1, 2) == 0) {
    if (nSize < 4 * kHeaderWords32) return false;
    return ParseLayout(pData, nSize, 4, kHeaderWords32, pResult);
  }
  if (WordAt(pData, 0, 2) != kToolBarResourceVersion) return false;
  return ParseLayout(pData, nSize, 2, kHeaderWords16, pResult);
}
