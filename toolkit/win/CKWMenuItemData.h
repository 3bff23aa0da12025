// The record an owner-drawn menu item carries as its item data while its
// popup is open: what the item was before conversion and how it is drawn.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

// "trnc": marks a record as the toolkit's.
constexpr DWORD kKWMenuItemMagic = 't' | 'r' << 8 | 'n' << 16 | 'c' << 24;

class CKWMenuItemData {
 public:
  CKWMenuItemData() = default;
  virtual ~CKWMenuItemData() = default;

  bool IsSeparator() const { return (m_nType & MFT_SEPARATOR) != 0; }

  CString m_strText;  // label, then a tab and the accelerator
  BOOL m_bRemoved = FALSE;
  HMENU m_hMenu = nullptr;
  HMENU m_hSubMenu = nullptr;
  DWORD m_dwMagic = kKWMenuItemMagic;
  int m_nPosition = -1;
  int m_nImage = -1;
  UINT m_nID = static_cast<UINT>(-1);
  UINT m_nType = 0;
  UINT m_nState = 0;
  UINT m_nFlags = 0;   // kKWRarelyUsed and the run ends
  UINT m_nOrigin = 0;  // the side the menu dropped from
};
