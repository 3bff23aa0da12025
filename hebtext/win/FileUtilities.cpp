#include "hebtext/win/FileUtilities.h"

#include <io.h>
#include <shellapi.h>

#include <string>

BOOL FileExists(LPCSTR path) { return _access(path, 0) == 0 ? TRUE : FALSE; }

BOOL DeleteFileToRecycleBin(LPCSTR path, BOOL askFirst) {
  if (FileExists(path)) {
    // The shell takes a list of names ended by an empty one.
    std::string names(path);
    names.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    operation.fFlags = FOF_ALLOWUNDO | (askFirst ? 0 : FOF_NOCONFIRMATION);
    ::SHFileOperationA(&operation);
  }
  return !FileExists(path);
}
