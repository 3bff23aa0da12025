// CStdioFile streams over POSIX file descriptors.
#ifndef _WIN32

#include "classlib/core/CStdioFile.h"

#include <unistd.h>

FILE* CStdioFile::OpenStream(UINT_PTR hFile, UINT nOpenFlags) {
  // The access the descriptor was opened with; creating and truncating are
  // done already.
  const char* mode = "r";
  if ((nOpenFlags & 3) == modeWrite) mode = "w";
  if ((nOpenFlags & 3) == modeReadWrite) mode = "r+";
  FILE* stream = fdopen((int)hFile, mode);
  if (stream == nullptr) close((int)hFile);
  return stream;
}

UINT_PTR CStdioFile::HandleOfStream(FILE* pStream) { return (UINT_PTR)fileno(pStream); }

#endif  // !_WIN32
