// Path and file services of the file dialogs on the real file system.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"
#include "editor/core/DirectoryCreation.h"

// TRUE when the path names an existing directory.
BOOL IsDirectoryPath(LPCSTR path);

// The directory creation rule over Win32.
class Win32DirectoryFileSystem : public IDirectoryFileSystem {
 public:
  BOOL IsDirectory(LPCSTR path) override;
  BOOL MakeDirectory(LPCSTR path) override;
};

// Creates the directory with any missing parents; FALSE at the first failure.
BOOL CreateDirectoryPath(LPCSTR path);

// Renames a file or folder. When the new path exists already the user is
// told so (owner pOwner) and nothing is renamed. TRUE when afterwards the
// old path is gone and the new one exists.
BOOL RenameFileReporting(HWND hOwner, LPCSTR oldPath, LPCSTR newPath);
