// What a path typed into the file-name box of the Open and Save dialogs
// means: a folder to show, a folder and a name (or wildcard pattern) in it, a
// shortcut to resolve, or a plain file name.
#pragma once

#include <functional>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// TRUE when the text ends in "LNK" (case ignored): it names a shortcut.
BOOL IsShortcutName(LPCSTR text);

// The path of a typed shortcut name: the text without a leading quote and
// cut at a closing quote, under the folder unless it is already absolute; at
// most MAX_PATH - 1 characters so it fits the resolver's buffer. The caller
// makes it a full path and resolves it.
CString ShortcutPathOf(const CString& folder, const CString& text);

enum class TypedPathKind {
  kFileName,       // no folder in it: the text goes on as a file name
  kFolder,         // an existing folder: show it
  kFolderAndName,  // an existing folder and a name or pattern in it
};

struct TypedPath {
  TypedPathKind kind = TypedPathKind::kFileName;
  CString folder;  // the folder to show (a drive keeps its backslash)
  CString name;    // the name-box text and file pattern (kFolderAndName only)
};

// Splits a typed text; isDirectory tells whether a path is an existing
// folder. A resolved shortcut target is only ever taken as a whole folder,
// never split.
TypedPath SplitTypedPath(const CString& text, BOOL wasShortcut,
                         const std::function<bool(const CString&)>& isDirectory);

// The folder ending in a backslash (empty stays empty), as it is joined
// with a file name; and without its last backslash, as it is stored.
CString WithTrailingBackslash(const CString& folder);
CString WithoutTrailingBackslash(const CString& folder);
