// libFuzzer target over the item-identifier-list walkers: random bytes as a
// list of known size must walk, measure, copy, join and cut without
// over-reading, and every list made must be a well-formed copy. Besides the
// sanitizers' findings it stops on a broken invariant (a trap).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/core/KWItemIdList.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

class HeapAllocator : public KWIdListAllocator {
 public:
  void* Alloc(size_t size) override { return std::malloc(size ? size : 1); }
  void Free(void* block) override { std::free(block); }
};

// A made list measures as its items plus a terminator and ends in two zeros.
void CheckMade(HeapAllocator& alloc, BYTE* made, size_t expected) {
  Check(made != nullptr);
  Check(KWIdListSize(made) == expected);
  Check(made[expected - 2] == 0 && made[expected - 1] == 0);
  alloc.Free(made);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // An exact-size copy, so that any read past the list is caught.
  std::vector<BYTE> list(data, data + size);
  const BYTE* bytes = list.data();
  HeapAllocator alloc;

  size_t listSize = KWIdListSize(bytes, size);
  Check(listSize >= kwIdTerminatorSize && listSize - kwIdTerminatorSize <= size);
  const BYTE* last = KWLastIdItem(bytes, size);
  size_t walked = 0;
  for (const BYTE* item = bytes; (item = KWNextIdItem(item, size - (item - bytes)));)
    walked = item - bytes;
  Check(walked == listSize - kwIdTerminatorSize);
  Check(!last || (last >= bytes && last < bytes + walked));

  CheckMade(alloc, KWCopyIdList(alloc, bytes, size), listSize);
  CheckMade(alloc, KWConcatIdLists(alloc, bytes, bytes, size, size),
            2 * listSize - kwIdTerminatorSize);
  BYTE* first = KWCopyFirstIdItem(alloc, bytes, size);
  Check(first && KWLastIdItem(first) == (listSize > kwIdTerminatorSize ? first : nullptr));
  alloc.Free(first);

  KWCutLastIdItem(list.data(), size);
  Check(KWIdListSize(bytes, size) <= listSize);
  char text[260];
  KWIdItemText(bytes, data[size - 1], text, sizeof text, size);
  return 0;
}
