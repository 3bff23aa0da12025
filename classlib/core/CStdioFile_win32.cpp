// CStdioFile streams over Win32 file handles, through C run-time descriptors.
#ifdef _WIN32

#include "classlib/core/CStdioFile.h"

#include <fcntl.h>
#include <io.h>

FILE* CStdioFile::OpenStream(UINT_PTR hFile, UINT nOpenFlags) {
  // The access the handle was opened with; creating and truncating are done
  // already.
  int flags = _O_RDONLY;
  const char* mode = "r";
  if ((nOpenFlags & 3) == modeWrite) {
    flags = _O_WRONLY;
    mode = "w";
  }
  if ((nOpenFlags & 3) == modeReadWrite) {
    flags = _O_RDWR;
    mode = "r+";
  }
  const bool binary = (nOpenFlags & typeBinary) != 0;
  flags |= binary ? _O_BINARY : _O_TEXT;
  const int fd = _open_osfhandle((intptr_t)hFile, flags);
  if (fd < 0) {
    CloseHandle((HANDLE)hFile);
    return nullptr;
  }
  char fullMode[4] = {};
  snprintf(fullMode, sizeof fullMode, "%s%c", mode, binary ? 'b' : 't');
  FILE* stream = _fdopen(fd, fullMode);
  if (stream == nullptr) _close(fd);
  return stream;
}

UINT_PTR CStdioFile::HandleOfStream(FILE* pStream) {
  return (UINT_PTR)_get_osfhandle(_fileno(pStream));
}

#endif  // _WIN32
