// Shell item-identifier lists: a sequence of items, each led by a 16-bit
// byte count (cb) that includes the count itself, ended by a zero count.
// Every walk stops at the terminator, at a count of 1 (too short to hold
// itself, so no item can follow it) and at an item that would run past the
// list's known size, so a malformed list never loops or over-reads. Lists
// made here always end with a full two-byte terminator.
#pragma once

#include <cstddef>
#include <cstdint>

#include "classlib/core/WinTypes.h"

// The size of a list whose end is not known (one from the shell).
constexpr size_t kwIdListUnbounded = SIZE_MAX;
constexpr size_t kwIdTerminatorSize = 2;

// Where new lists come from: the shell's task allocator in the program, a
// counting or failing one in tests.
class KWIdListAllocator {
 public:
  virtual ~KWIdListAllocator() {}
  virtual void* Alloc(size_t size) = 0;
  virtual void Free(void* block) = 0;
};

// The item after `item`; none at the end of the list or past `size` bytes.
const BYTE* KWNextIdItem(const BYTE* item, size_t size = kwIdListUnbounded);
// 0 for no list; else 2 plus the counts of its items.
size_t KWIdListSize(const BYTE* list, size_t size = kwIdListUnbounded);
// The last item; none for no list or an empty one.
const BYTE* KWLastIdItem(const BYTE* list, size_t size = kwIdListUnbounded);

// `size` zero-filled bytes; none when the allocation fails.
BYTE* KWAllocIdList(KWIdListAllocator& alloc, size_t size);
// A copy of the list's items with a terminator; none for no list or when
// the allocation fails.
BYTE* KWCopyIdList(KWIdListAllocator& alloc, const BYTE* list, size_t size = kwIdListUnbounded);
// The items of `first` (none for no list) followed by those of `second`
// and a terminator.
BYTE* KWConcatIdLists(KWIdListAllocator& alloc, const BYTE* first, const BYTE* second,
                      size_t firstSize = kwIdListUnbounded,
                      size_t secondSize = kwIdListUnbounded);
// A one-item list of the first item (empty for an empty list).
BYTE* KWCopyFirstIdItem(KWIdListAllocator& alloc, const BYTE* list,
                        size_t size = kwIdListUnbounded);
// Cuts the list before its last item when it holds more than one; returns it.
BYTE* KWCutLastIdItem(BYTE* list, size_t size = kwIdListUnbounded);

// A display name given as an offset into the item: the text from there to
// its zero or to the end of the item, whichever comes first, copied into
// `out` of `outSize` characters and always terminated. False when the offset
// lies outside the item.
bool KWIdItemText(const BYTE* item, UINT offset, char* out, size_t outSize,
                  size_t size = kwIdListUnbounded);
