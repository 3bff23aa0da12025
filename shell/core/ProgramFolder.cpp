#include "shell/core/ProgramFolder.h"

namespace {
constexpr char kBuildFolder[] = "Release";
}  // namespace

CString ProgramFolderOf(LPCSTR programFilePath) {
  CString path(programFilePath);
  CString folder = path.Left(path.ReverseFind('\\') + 1);
  if (folder.IsEmpty()) return folder;
  // Only a last folder named exactly so counts: "Releases\" or
  // "PreRelease\" elsewhere in the path is an ordinary folder.
  CString withoutSlash = folder.Left(folder.GetLength() - 1);
  int nameStart = withoutSlash.ReverseFind('\\') + 1;
  if (nameStart > 0 && withoutSlash.Mid(nameStart).CompareNoCase(kBuildFolder) == 0) {
    folder = folder.Left(nameStart);
  }
  return folder;
}
