// Lists a shell folder into item records, optionally filtered by the
// file-system name list of its directory.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/FileNameList.h"
#include "editor/win/CFileItem.h"

struct FolderListOptions {
  BOOL foldersOnly = FALSE;
  BOOL includeHidden = FALSE;
  // Only objects whose names the list holds are taken; nullptr takes all.
  const FileNameList* nameList = nullptr;
  // Keep the records in the folder's own order (its CompareIDs), else in
  // the order enumerated.
  BOOL keepSorted = FALSE;
};

// Appends the folder's objects (the folder's absolute list joined to each
// object's) to items; the Control Panel and the Recycle Bin are left out.
// FALSE when the folder cannot be enumerated.
BOOL EnumerateFolder(LPSHELLFOLDER pFolder, LPCITEMIDLIST pidlFolder,
                     const FolderListOptions& options, std::vector<CFileItem>& items);

// The directory's sub-directories and the files matching the pattern, from the
// file system itself.
FileNameList ReadFileSystemNameList(LPCSTR folder, LPCSTR filePattern, BOOL includeHidden);
