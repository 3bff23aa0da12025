// Creates a directory with any missing parents, over the file system the
// caller gives, so that the rule is the same on Windows and in tests.
#pragma once

#include "classlib/core/CString.h"

class IDirectoryFileSystem {
 public:
  virtual ~IDirectoryFileSystem() = default;
  // TRUE when the path names an existing directory.
  virtual BOOL IsDirectory(LPCSTR path) = 0;
  // TRUE when the directory was made (its parent existing).
  virtual BOOL MakeDirectory(LPCSTR path) = 0;
};

// The path must begin with a drive letter ("x:\"). Done when the directory
// exists or is made at once; else each ancestor from the fourth character
// on (every prefix ending before a '\' or '/') is made when missing, and
// last the directory itself. FALSE at the first failure.
BOOL CreateDirectoryWithParents(LPCSTR path, IDirectoryFileSystem& files);
