#include "editor/core/FileItemKind.h"

#include "editor/core/ShellPathRules.h"

namespace {

const char kModifiedFormat[] = "%m/%d/%y %H:%M";
const size_t kModifiedTextSize = 32;  // "12/31/99 23:59" with room to spare

}  // namespace

FileItemKind WorkOutFileItemKind(const FileItemFacts& facts) {
  if (facts.isFile) return facts.isNativeDocument ? kFileKindNativeDocument : kFileKindOtherFile;
  if (DriveLetterOfDisplayName(facts.displayName)) return kFileKindDrive;
  return facts.isDirectory ? kFileKindFolder : kFileKindOtherObject;
}

CString FormatModifiedText(const std::tm& local) {
  char text[kModifiedTextSize] = {};
  std::strftime(text, sizeof text, kModifiedFormat, &local);
  return CString(text);
}
