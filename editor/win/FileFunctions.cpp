#include "editor/win/FileFunctions.h"

#include <shellapi.h>

#include <vector>

#include "editor/core/FileRenameRules.h"
#include "hebtext/win/FileUtilities.h"

namespace {

// SHFileOperationA takes lists of paths, each list ending in an empty one.
std::vector<char> DoubleTerminated(LPCSTR path) {
  std::vector<char> list(path, path + ::lstrlenA(path));
  list.push_back('\0');
  list.push_back('\0');
  return list;
}

}  // namespace

BOOL IsDirectoryPath(LPCSTR path) {
  const DWORD attributes = ::GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL Win32DirectoryFileSystem::IsDirectory(LPCSTR path) { return IsDirectoryPath(path); }

BOOL Win32DirectoryFileSystem::MakeDirectory(LPCSTR path) {
  return ::CreateDirectoryA(path, nullptr);
}

BOOL CreateDirectoryPath(LPCSTR path) {
  Win32DirectoryFileSystem files;
  return CreateDirectoryWithParents(path, files);
}

BOOL RenameFileReporting(HWND hOwner, LPCSTR oldPath, LPCSTR newPath) {
  if (FileExists(newPath)) {
    const RenameMessage message = RenameTargetExistsMessage(newPath);
    ::MessageBoxA(hOwner, message.text, message.caption, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  std::vector<char> from = DoubleTerminated(oldPath);
  std::vector<char> to = DoubleTerminated(newPath);
  SHFILEOPSTRUCTA operation = {};
  operation.hwnd = hOwner;
  operation.wFunc = FO_RENAME;
  operation.pFrom = from.data();
  operation.pTo = to.data();
  ::SHFileOperationA(&operation);
  return ::GetFileAttributesA(oldPath) == INVALID_FILE_ATTRIBUTES &&
         ::GetFileAttributesA(newPath) != INVALID_FILE_ATTRIBUTES;
}
