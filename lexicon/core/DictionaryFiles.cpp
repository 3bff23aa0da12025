#include "lexicon/core/DictionaryFiles.h"

namespace {
#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif
}  // namespace

CString DictionaryFilePath(LPCSTR binFolder, LPCSTR name) {
  CString path = binFolder;
  if (!path.IsEmpty() && path[path.GetLength() - 1] != '/' && path[path.GetLength() - 1] != '\\')
    path += kSeparator;
  path += name;
  return path;
}
