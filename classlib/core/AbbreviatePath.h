// Shortening a path for a menu or a title: the root is kept, then "...",
// then as many of the last folders as fit before the file name, which is
// always kept ("C:\...\Letters\Note.txt").
#pragma once

#include "classlib/core/CString.h"

// The path unchanged when it has at most nMaxLength characters. When not
// even the root, "\...\" and the file name fit, the file name alone (with
// bAtLeastName) or an empty string.
CString AbbreviatePath(const CString& strPath, int nMaxLength, bool bAtLeastName);

// The text of a recent-file menu item: "&<n> " before the name, whose own
// '&'s are doubled so that they show.
CString RecentFileMenuText(int nNumber, const CString& strName);
