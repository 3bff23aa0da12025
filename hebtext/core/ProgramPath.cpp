#include "hebtext/core/ProgramPath.h"

#include <cstring>

namespace {
CString& ProgramFolder() {
  static CString folder;
  return folder;
}
}  // namespace

void SetProgramFolder(LPCSTR programFilePath) {
  CString path(programFilePath);
  ProgramFolder() = path.Left(path.ReverseFind('\\') + 1);
}

const CString& GetProgramFolder() { return ProgramFolder(); }

void MakeProgramPath(CString& path, LPCSTR relativePath) { path = ProgramFolder() + relativePath; }

BOOL HasExtension(LPCSTR path, LPCSTR extension) {
  size_t pathLength = strlen(path);
  size_t extensionLength = strlen(extension);
  if (pathLength < extensionLength + 1) return FALSE;
  const char* dot = path + pathLength - extensionLength - 1;
  return *dot == '.' && CString(dot + 1).CompareNoCase(extension) == 0;
}
