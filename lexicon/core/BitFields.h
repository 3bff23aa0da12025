// Fields of a packed 32-bit word, by their first bit and width.
#pragma once

#include "classlib/core/WinTypes.h"

inline DWORD PutBits(int value, int first, int width) {
  DWORD mask = width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1);
  return (static_cast<DWORD>(value) & mask) << first;
}

inline int GetBits(DWORD word, int first, int width) {
  DWORD mask = width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1);
  return static_cast<int>((word >> first) & mask);
}
