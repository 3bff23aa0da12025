// The name the file dialogs' New Folder command gives: "New Folder" in the
// current folder, or "New Folder (2)" up to "New Folder (99)" when taken.
#pragma once

#include <functional>

#include "classlib/core/CString.h"

// TRUE when a file or folder of that path exists.
using PathExistsTest = std::function<BOOL(LPCSTR path)>;

const int kFirstNewFolderNumber = 2;
const int kLastNewFolderNumber = 99;

// The first free path for a new folder in folder (a separator is added
// unless folder is a drive root); FALSE when every name up to
// kLastNewFolderNumber is taken.
BOOL FindNewFolderPath(const CString& folder, const PathExistsTest& exists, CString& path);
