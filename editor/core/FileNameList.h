// The file-system name list that filters a folder's listing by a file pattern:
// the folder's sub-directories and the files the pattern matches, each part
// sorted without case so a listed shell object is found by binary search.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// One entry of a folder as the file system reports it.
struct FolderEntry {
  CString name;
  BOOL isDirectory = FALSE;
  BOOL isHidden = FALSE;
};

// TRUE when the name matches the pattern: '*' any run of characters, '?' any
// one, case ignored; "*.*" matches every name, with or without a '.'.
BOOL MatchesFilePattern(LPCSTR name, LPCSTR pattern);

class FileNameList {
 public:
  // Lists the directories (never "." or "..") and the non-directory entries
  // matching the pattern; hidden entries only when wanted.
  FileNameList(const std::vector<FolderEntry>& entries, LPCSTR pattern, BOOL includeHidden);

  int GetDirectoryCount() const { return static_cast<int>(m_directories.size()); }
  int GetFileCount() const { return static_cast<int>(m_files.size()); }
  // Whether a shell object of that name passes the filter: folders are
  // looked up among the directories, other objects among the files.
  BOOL Contains(const CString& name, BOOL isFolder) const;

 private:
  std::vector<CString> m_directories;
  std::vector<CString> m_files;
};

// Type-ahead in a list of row names: the next row after the selected one
// whose name starts with the typed character (case ignored), wrapping to the
// top and ending at the selection; -1 when none does. A selection of -1
// searches from the first row.
int FindTypeAheadRow(const std::vector<CString>& names, int selected, char typed);
