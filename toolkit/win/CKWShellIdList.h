// Shell item-identifier lists for a shell-browsing view: walking, measuring,
// copying and joining lists, display names and icons, parsing paths, and an
// item's shell context menu. Every list returned comes from the shell's task
// allocator (SHGetMalloc); the caller frees it there.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "classlib/core/CString.h"

class CKWShellIdList {
 public:
  // Characters of a display name, with its terminator.
  static constexpr int kNameChars = MAX_PATH;

  virtual ~CKWShellIdList() {}

  LPITEMIDLIST GetNextItem(LPCITEMIDLIST pidl);
  UINT GetSize(LPCITEMIDLIST pidl);
  LPITEMIDLIST GetLastItem(LPCITEMIDLIST pidl);
  // Zero-filled; nullptr when the allocator or the allocation fails.
  LPITEMIDLIST AllocItemIdList(UINT cbSize);
  LPITEMIDLIST CopyItemIdList(LPCITEMIDLIST pidl);
  // pidl1 may be nullptr: then a copy of pidl2.
  LPITEMIDLIST ConcatItemIdLists(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);
  LPITEMIDLIST CopyFirstItemId(LPMALLOC pMalloc, LPCITEMIDLIST pidl);

  // The name into lpszName (kNameChars), always terminated. FALSE when the
  // folder has none or gives it in a form not known here.
  BOOL GetDisplayName(LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl, DWORD dwFlags, LPSTR lpszName);
  int GetIconIndex(LPCITEMIDLIST pidl, UINT uFlags);
  int GetIconIndex(LPCSTR lpszPath, UINT uFlags);

  LPITEMIDLIST ParseDisplayName(LPCSTR lpszPath);
  // Cuts the list in place before its last item when it has more than one.
  LPITEMIDLIST GetParentIdList(LPITEMIDLIST pidl);
  // Empty for an empty path or on failure.
  CString GetParentFolderPath(LPCSTR lpszPath);
  LPITEMIDLIST GetFullyQualifiedIdList(LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl);

  // Shows the item's context menu at the screen point and carries out the
  // command chosen. FALSE when the menu could not be made.
  BOOL ShowContextMenu(HWND hWnd, LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl, POINT pt);
};
