#include "editor/core/NewFolderName.h"

#include "editor/core/ShellPathRules.h"

namespace {

const char kNewFolderName[] = "New Folder";

}  // namespace

BOOL FindNewFolderPath(const CString& folder, const PathExistsTest& exists, CString& path) {
  CString base = folder;
  if (!IsDriveRoot(folder)) base += '\\';
  base += kNewFolderName;
  path = base;
  for (int number = kFirstNewFolderNumber; exists(path); ++number) {
    if (number > kLastNewFolderNumber) return FALSE;
    path.Format("%s (%d)", static_cast<LPCSTR>(base), number);
  }
  return TRUE;
}
