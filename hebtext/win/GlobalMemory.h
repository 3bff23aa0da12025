// Global-memory blocks, as the clipboard and older interfaces exchange data.
// New blocks are GMEM_MOVEABLE | GMEM_ZEROINIT.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

// Undoes every lock of the block, frees it and clears the handle; nothing for 0.
void FreeGlobalHandle(HGLOBAL& hGlobal);
// The block's text up to its terminator or its end; FALSE when it cannot be locked.
BOOL GlobalTextToCString(HGLOBAL hGlobal, CString& text);
HGLOBAL CStringToGlobal(LPCSTR text);
HGLOBAL BytesToGlobal(const void* bytes, SIZE_T size);
// Inserts one element at index into a block of count fixed-size elements,
// moving the later ones up. A block without room for one more element is
// grown (the handle may change). FALSE, with the block unchanged, for an
// index outside 0..count or when the block cannot be grown.
BOOL GlobalArrayInsertAt(HGLOBAL& hGlobal, UINT elementSize, const void* element, int index,
                         int count);
