#include "editor/core/DocumentPath.h"

namespace {

constexpr int kDriveLength = 2;  // a letter and a colon

}  // namespace

CString GetFolderOfPath(const CString& path) {
  int slash = path.ReverseFind('\\');
  if (slash < 0) return CString();
  CString folder = path.Left(slash);
  if (folder.GetLength() == kDriveLength && folder[1] == ':') folder += '\\';
  return folder;
}
