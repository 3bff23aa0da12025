// Which item a typed mnemonic picks in an owner-drawn menu (WM_MENUCHAR).
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

struct KWMenuCharItem {
  CString text;  // with its '&' markers
  bool ownerDrawn = false;
  bool highlighted = false;
};

// The WM_MENUCHAR result: 0 when no item has the mnemonic (the system's
// default), the item with MNC_EXECUTE in the high word when only one has it,
// else the first one after the highlighted item (or the first) with MNC_SELECT.
// Bytes are compared unsigned, so characters above 0x7F match themselves.
DWORD KWChooseMenuChar(const std::vector<KWMenuCharItem>& items, unsigned char typed);

// The character after the first mnemonic '&' ("&&" is a literal), 0 if none.
unsigned char KWMnemonicOf(const CString& text);
