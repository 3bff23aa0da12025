// The element hooks of the collection templates. A program may specialise
// them for its own element and key types.
#pragma once

#include "classlib/core/Debug.h"
#include "classlib/core/WinTypes.h"

#include <type_traits>

// Whether a stored element equals a searched-for value (CList::Find, CMap).
template <class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

// The hash of a map key; the map takes it modulo its table size.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
  if constexpr (std::is_pointer_v<ARG_KEY>) {
    return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
  } else {
    // Through 32 bits, so that integer keys land in the same buckets (and
    // maps list them in the same order) in every build.
    return static_cast<UINT>(static_cast<DWORD>(key)) >> 4;
  }
}

// String keys. Bytes count as signed chars, as the Windows compilers have
// them, so a map lists 8-bit keys in the same order in every build.
template <>
inline UINT HashKey<LPCSTR>(LPCSTR key) {
  ASSERT(key != nullptr);
  UINT nHash = 0;
  for (; *key != '\0'; ++key) {
    nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<signed char>(*key));
  }
  return nHash;
}
