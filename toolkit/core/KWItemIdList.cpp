#include "toolkit/core/KWItemIdList.h"

#include <cstring>

namespace {

// Counts are little-endian and items need not be aligned.
size_t ItemCount(const BYTE* item) { return size_t(item[0]) | size_t(item[1]) << 8; }

// The count of a real item at `item` with `left` bytes before the list's
// end, or 0 when the list ends there.
size_t ValidCount(const BYTE* item, size_t left) {
  if (left < kwIdTerminatorSize) return 0;
  size_t cb = ItemCount(item);
  if (cb < kwIdTerminatorSize || cb > left) return 0;
  return cb;
}

// The bytes of the list's items, without the terminator.
size_t ItemsSize(const BYTE* list, size_t size) {
  if (!list) return 0;
  size_t used = 0;
  while (size_t cb = ValidCount(list + used, size - used)) used += cb;
  return used;
}

void WriteTerminator(BYTE* at) { std::memset(at, 0, kwIdTerminatorSize); }

}  // namespace

const BYTE* KWNextIdItem(const BYTE* item, size_t size) {
  if (!item) return nullptr;
  size_t cb = ValidCount(item, size);
  return cb ? item + cb : nullptr;
}

size_t KWIdListSize(const BYTE* list, size_t size) {
  return list ? ItemsSize(list, size) + kwIdTerminatorSize : 0;
}

const BYTE* KWLastIdItem(const BYTE* list, size_t size) {
  if (!list) return nullptr;
  const BYTE* last = nullptr;
  size_t used = 0;
  while (size_t cb = ValidCount(list + used, size - used)) {
    last = list + used;
    used += cb;
  }
  return last;
}

BYTE* KWAllocIdList(KWIdListAllocator& alloc, size_t size) {
  BYTE* block = static_cast<BYTE*>(alloc.Alloc(size));
  if (block) std::memset(block, 0, size);
  return block;
}

BYTE* KWConcatIdLists(KWIdListAllocator& alloc, const BYTE* first, const BYTE* second,
                      size_t firstSize, size_t secondSize) {
  if (!second) return nullptr;
  size_t firstItems = ItemsSize(first, firstSize);
  size_t secondItems = ItemsSize(second, secondSize);
  BYTE* list = KWAllocIdList(alloc, firstItems + secondItems + kwIdTerminatorSize);
  if (!list) return nullptr;
  if (firstItems) std::memcpy(list, first, firstItems);
  if (secondItems) std::memcpy(list + firstItems, second, secondItems);
  WriteTerminator(list + firstItems + secondItems);
  return list;
}

BYTE* KWCopyIdList(KWIdListAllocator& alloc, const BYTE* list, size_t size) {
  return KWConcatIdLists(alloc, nullptr, list, 0, size);
}

BYTE* KWCopyFirstIdItem(KWIdListAllocator& alloc, const BYTE* list, size_t size) {
  if (!list) return nullptr;
  size_t cb = ValidCount(list, size);
  BYTE* one = KWAllocIdList(alloc, cb + kwIdTerminatorSize);
  if (!one) return nullptr;
  if (cb) std::memcpy(one, list, cb);
  WriteTerminator(one + cb);
  return one;
}

BYTE* KWCutLastIdItem(BYTE* list, size_t size) {
  const BYTE* last = KWLastIdItem(list, size);
  if (last && last != list) WriteTerminator(list + (last - list));
  return list;
}

bool KWIdItemText(const BYTE* item, UINT offset, char* out, size_t outSize, size_t size) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  size_t cb = item ? ValidCount(item, size) : 0;
  if (offset >= cb) return false;
  const char* text = reinterpret_cast<const char*>(item + offset);
  size_t length = 0;
  while (offset + length < cb && length + 1 < outSize && text[length]) ++length;
  std::memcpy(out, text, length);
  out[length] = '\0';
  return true;
}
