#include "toolkit/core/KWToolBarResource.h"

namespace {
constexpr size_t kWordSize = 2;
constexpr size_t kHeaderWords = 4;

unsigned Word(const uint8_t* p, size_t nIndex) {
  return static_cast<unsigned>(p[nIndex * kWordSize] | (p[nIndex * kWordSize + 1] << 8));
}
}  // namespace

std::optional<KWToolBarResource> KWReadToolBarResource(const void* pData, size_t nSize) {
  const auto* p = static_cast<const uint8_t*>(pData);
  if (p == nullptr || nSize < kHeaderWords * kWordSize) return std::nullopt;
  KWToolBarResource res;
  res.nVersion = static_cast<int>(Word(p, 0));
  res.cxImage = static_cast<int>(Word(p, 1));
  res.cyImage = static_cast<int>(Word(p, 2));
  size_t nCount = Word(p, 3);
  // The ids are read only when all of them are inside the resource.
  if (nSize / kWordSize < kHeaderWords + nCount || res.cxImage == 0 || res.cyImage == 0)
    return std::nullopt;
  res.ids.reserve(nCount);
  for (size_t i = 0; i < nCount; ++i) res.ids.push_back(Word(p, kHeaderWords + i));
  return res;
}
