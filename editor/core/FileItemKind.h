// What one object of the file dialogs' lists is, worked out once from what
// the shell and the file say of it.
#pragma once

#include <ctime>

#include "classlib/core/CString.h"

enum FileItemKind {
  kFileKindUnknown = -1,
  kFileKindDrive = 1,           // the display name holds "(x:)"
  kFileKindFolder = 2,          // an existing directory
  kFileKindNativeDocument = 3,
  kFileKindOtherFile = 4,
  kFileKindOtherObject = 5,     // a folder outside the file system
};

// What the kind is worked out from; the caller asks the file system only
// for what the rule needs (isDirectory for a folder, isNativeDocument for a
// file).
struct FileItemFacts {
  BOOL isFile = FALSE;
  CString displayName;
  BOOL isDirectory = FALSE;
  BOOL isNativeDocument = FALSE;
};

FileItemKind WorkOutFileItemKind(const FileItemFacts& facts);

inline BOOL IsFileSystemKind(int kind) {
  return kind == kFileKindFolder || kind == kFileKindNativeDocument || kind == kFileKindOtherFile;
}
inline BOOL IsFileKind(int kind) {
  return kind == kFileKindNativeDocument || kind == kFileKindOtherFile;
}

// The Modified column's text of a local time: "%m/%d/%y %H:%M".
CString FormatModifiedText(const std::tm& local);
