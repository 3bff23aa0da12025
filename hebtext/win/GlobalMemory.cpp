#include "hebtext/win/GlobalMemory.h"

#include <cstring>

void FreeGlobalHandle(HGLOBAL& hGlobal) {
  if (hGlobal == nullptr) return;
  for (UINT locks = ::GlobalFlags(hGlobal) & GMEM_LOCKCOUNT; locks > 0; --locks)
    ::GlobalUnlock(hGlobal);
  ::GlobalFree(hGlobal);
  hGlobal = nullptr;
}

BOOL GlobalTextToCString(HGLOBAL hGlobal, CString& text) {
  const char* data = hGlobal != nullptr ? static_cast<const char*>(::GlobalLock(hGlobal)) : nullptr;
  if (data == nullptr) return FALSE;
  // A block from elsewhere need not hold a terminator.
  SIZE_T size = ::GlobalSize(hGlobal);
  const void* end = memchr(data, 0, size);
  text =
      CString(data, static_cast<int>(end != nullptr ? static_cast<const char*>(end) - data : size));
  ::GlobalUnlock(hGlobal);
  return TRUE;
}

HGLOBAL BytesToGlobal(const void* bytes, SIZE_T size) {
  HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (hGlobal == nullptr) return nullptr;
  void* data = ::GlobalLock(hGlobal);
  if (data == nullptr) {
    ::GlobalFree(hGlobal);
    return nullptr;
  }
  if (size > 0) memcpy(data, bytes, size);
  ::GlobalUnlock(hGlobal);
  return hGlobal;
}

HGLOBAL CStringToGlobal(LPCSTR text) { return BytesToGlobal(text, strlen(text) + 1); }

BOOL GlobalArrayInsertAt(HGLOBAL& hGlobal, UINT elementSize, const void* element, int index,
                         int count) {
  if (hGlobal == nullptr || index < 0 || count < 0 || index > count) return FALSE;
  SIZE_T needed = static_cast<SIZE_T>(count + 1) * elementSize;
  if (::GlobalSize(hGlobal) < needed) {
    HGLOBAL hGrown = ::GlobalReAlloc(hGlobal, needed, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (hGrown == nullptr) return FALSE;
    hGlobal = hGrown;
  }
  auto* data = static_cast<BYTE*>(::GlobalLock(hGlobal));
  if (data == nullptr) return FALSE;
  BYTE* at = data + static_cast<SIZE_T>(index) * elementSize;
  memmove(at + elementSize, at, static_cast<SIZE_T>(count - index) * elementSize);
  memcpy(at, element, elementSize);
  ::GlobalUnlock(hGlobal);
  return TRUE;
}
