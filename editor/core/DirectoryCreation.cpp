#include "editor/core/DirectoryCreation.h"

#include <cstring>
#include <string>

#include "editor/core/ShellPathRules.h"

namespace {

// The ancestors start after the root "x:\": its separator is no boundary.
const size_t kFirstAncestorEnd = 3;

BOOL IsSeparator(char c) { return c == '\\' || c == '/'; }

BOOL EnsureDirectory(const std::string& path, IDirectoryFileSystem& files) {
  return files.IsDirectory(path.c_str()) || files.MakeDirectory(path.c_str());
}

}  // namespace

BOOL CreateDirectoryWithParents(LPCSTR path, IDirectoryFileSystem& files) {
  if (!DriveLetterOfPath(path)) return FALSE;
  const std::string full(path);
  if (EnsureDirectory(full, files)) return TRUE;
  for (size_t end = kFirstAncestorEnd; end < full.size(); ++end)
    if (IsSeparator(full[end]) && !EnsureDirectory(full.substr(0, end), files)) return FALSE;
  // A path ending in a separator was made by the loop's last step.
  return IsSeparator(full.back()) || EnsureDirectory(full, files);
}
