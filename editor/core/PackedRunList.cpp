#include "editor/core/PackedRunList.h"

#include <algorithm>
#include <unordered_map>

#include "editor/core/CharAttr.h"

void PackRange(BYTE* range, DWORD first, DWORD last) {
  range[0] = static_cast<BYTE>(first);
  range[1] = static_cast<BYTE>(first >> 8);
  range[2] = static_cast<BYTE>(last);
  range[3] = static_cast<BYTE>(last >> 8);
  range[4] = static_cast<BYTE>(((first >> 16) & 7) | (((last >> 16) & 7) << 4));
}

void UnpackRange(const BYTE* range, DWORD& first, DWORD& last) {
  first = range[0] | (range[1] << 8) | ((range[4] & 7u) << 16);
  last = range[2] | (range[3] << 8) | (((range[4] >> 4) & 7u) << 16);
}

BOOL WritePackedRuns(const DWORD* values, size_t count, ByteBuffer& out) {
  if (count > kMaxPackedCount) return FALSE;
  struct Group {
    DWORD value;
    std::vector<DWORD> bounds;  // first, last, first, last ...
  };
  std::vector<Group> groups;
  std::unordered_map<DWORD, size_t> groupOf;
  size_t i = 0;
  while (i < count) {
    DWORD value = values[i] & ~CharAttrBits::kTransientMark;
    size_t end = i + 1;
    while (end < count && (values[end] & ~CharAttrBits::kTransientMark) == value) ++end;
    auto found = groupOf.emplace(value, groups.size());
    if (found.second) groups.push_back(Group{value, {}});
    Group& group = groups[found.first->second];
    group.bounds.push_back(static_cast<DWORD>(i));
    group.bounds.push_back(static_cast<DWORD>(end - 1));
    i = end;
  }
  size_t size = 0;
  for (const Group& group : groups) size += 4 + group.bounds.size() / 2 * kPackedRangeSize;
  out.reserve(out.size() + size);
  for (const Group& group : groups) {
    PutU32LE(out, group.value);
    for (size_t b = 0; b < group.bounds.size(); b += 2) {
      BYTE range[kPackedRangeSize];
      PackRange(range, group.bounds[b], group.bounds[b + 1]);
      if (b + 2 == group.bounds.size()) MarkLastRange(range);
      out.insert(out.end(), range, range + kPackedRangeSize);
    }
  }
  return TRUE;
}

namespace {

// Walks the block once; with fill set, stores the values into out.
BOOL WalkPackedRuns(const BYTE* block, size_t length, size_t maxCount, size_t& size,
                    std::vector<DWORD>* fill) {
  ByteReader reader(block, length);
  size = 1;
  while (!reader.AtEnd()) {
    DWORD value = reader.GetU32LE();
    for (;;) {
      const BYTE* range = reader.Take(kPackedRangeSize);
      if (!range) return FALSE;
      DWORD first, last;
      UnpackRange(range, first, last);
      if (first > last || last >= maxCount) return FALSE;
      if (last + 1 > size) size = last + 1;
      if (fill) std::fill(fill->begin() + first, fill->begin() + last + 1, value);
      if (IsLastRange(range)) break;
    }
  }
  return !reader.Failed();
}

}  // namespace

BOOL ReadPackedRuns(const BYTE* block, size_t length, size_t maxCount, std::vector<DWORD>& out) {
  out.clear();
  size_t size;
  if (!WalkPackedRuns(block, length, maxCount, size, nullptr)) return FALSE;
  out.assign(size, 0);
  return WalkPackedRuns(block, length, maxCount, size, &out);
}
