// Drive, root, network and shortcut tests of the file dialogs' paths and
// display names: string rules only, so they hold the same for any shell.
#pragma once

#include "classlib/core/CString.h"

// The upper-cased drive letter of "x:\..." or "x:/...", else 0 (a bare "x:"
// names no root).
char DriveLetterOfPath(LPCSTR path);
// "x:\" and the like: exactly a drive letter, a colon and a separator.
BOOL IsDriveRoot(LPCSTR path);
// "\\server\share...".
BOOL IsNetworkPath(LPCSTR path);
// The upper-cased letter of the first "(x:)" in a drive's display name
// ("Local Disk (C:)"), else 0.
char DriveLetterOfDisplayName(LPCSTR name);
// A path whose last three characters are "lnk" in any case.
BOOL IsShortcutPath(LPCSTR path);
