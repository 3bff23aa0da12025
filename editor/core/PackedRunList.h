// The run-length form of an array of 32-bit values kept in document files:
// one group per distinct value in order of first occurrence, each the value
// and the 5-byte ranges of indices where it stands, the group's last range
// flagged. Indices are 19-bit.
#pragma once

#include <vector>

#include "editor/core/FileBytes.h"

constexpr DWORD kMaxPackedIndex = 0x7FFFF;
constexpr size_t kMaxPackedCount = kMaxPackedIndex + 1;
constexpr size_t kPackedRangeSize = 5;

void PackRange(BYTE* range, DWORD first, DWORD last);
void UnpackRange(const BYTE* range, DWORD& first, DWORD& last);
inline void MarkLastRange(BYTE* range) { range[4] |= 0x80; }
inline BOOL IsLastRange(const BYTE* range) { return (range[4] & 0x80) != 0; }

// Appends the form of the first count values, bit 23 of each cleared (the
// transient selection mark must not split runs). FALSE, appending nothing,
// when count is beyond the 19-bit indices.
BOOL WritePackedRuns(const DWORD* values, size_t count, ByteBuffer& out);

// Reads a block into out, sized to the highest index plus one (1 for an
// empty block, as the writer of an empty array gives). Positions no range
// covers are 0. FALSE for a block that ends inside a group or holds a range
// whose first index is after its last, or an index at or beyond maxCount.
BOOL ReadPackedRuns(const BYTE* block, size_t length, size_t maxCount, std::vector<DWORD>& out);
