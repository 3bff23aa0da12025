// Test folders made under the temporary folder are removed whole, silently,
// with whatever the test left in them.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

inline void RemoveFolderTree(const std::string& folder) {
  std::string from = folder;
  from.push_back('\0');  // the shell takes a double-terminated list
  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ::SHFileOperationA(&operation);
}
