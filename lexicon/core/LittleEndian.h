// Little-endian numbers in byte buffers: every number in the grammar and
// dictionary files is stored this way, whatever the machine.
#pragma once

#include "classlib/core/WinTypes.h"

inline WORD ReadU16LE(const BYTE* bytes) { return static_cast<WORD>(bytes[0] | (bytes[1] << 8)); }

inline DWORD ReadU32LE(const BYTE* bytes) {
  return static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
         (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
}

inline void WriteU16LE(BYTE* bytes, WORD value) {
  bytes[0] = static_cast<BYTE>(value);
  bytes[1] = static_cast<BYTE>(value >> 8);
}

inline void WriteU32LE(BYTE* bytes, DWORD value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<BYTE>(value >> (8 * i));
}
