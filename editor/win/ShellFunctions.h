// Small shell services of the file dialogs. User-interface thread only;
// every identifier list comes from and goes back to the shell's allocator.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "classlib/core/CString.h"

// The shell's image list of small icons. It is shared: never destroyed, so a
// list view showing it needs LVS_SHAREIMAGELISTS.
HIMAGELIST GetSystemSmallImageList();
// The file-system path of an absolute list; empty when it has none.
CString GetIdListPath(LPCITEMIDLIST pidl);
// The shell's type name of the object; empty on failure.
CString GetIdListTypeName(LPCITEMIDLIST pidl);
// The object's display name in its folder with the shell's SHGDN_* flags;
// empty on failure.
CString GetShellDisplayName(LPSHELLFOLDER pFolder, LPCITEMIDLIST pidl, DWORD dwFlags);
// The desktop's absolute list of a path, or nullptr. wantAttributes asks
// the shell for the share attribute while parsing.
LPITEMIDLIST ParseShellPath(LPCSTR path, BOOL wantAttributes);
// The first identifier of a list as a list of its own, or nullptr.
LPITEMIDLIST CopyFirstIdentifier(LPCITEMIDLIST pidl);
// A copy of the last identifier of a list, or nullptr.
LPITEMIDLIST CopyLastIdentifier(LPCITEMIDLIST pidl);
// Frees a list of the shell's allocator; nullptr is allowed.
void FreeShellIdList(LPITEMIDLIST pidl);
// TRUE when the absolute list names the special folder (a CSIDL_* value).
// Desktop items are told apart this way, because their display names differ
// between systems and languages.
BOOL IsSpecialFolder(LPCITEMIDLIST pidlAbsolute, int csidl);
// The small and open icon indexes of an absolute list (-1 unknown).
void GetIdListIcons(LPCITEMIDLIST pidl, int& smallIcon, int& openIcon);
// Ends the application's wait cursor.
void AppEndWaitCursor();
