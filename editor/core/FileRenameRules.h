// What the file list does with the text of an in-place rename, before and
// after the file itself is renamed: messages are returned for the caller to
// show.
#pragma once

#include "classlib/core/CString.h"

enum RenameDecision {
  kRenameNothing,  // another column, cancelled, empty or the same name
  kRenameRefused,  // a character no file name may hold: message given
  kRenameFile,     // rename the file to the new path
};

struct RenameMessage {
  CString text;
  CString caption;
};

// text is nullptr when the edit was cancelled; only column 0 holds names.
// A name differing from the old one only in letter case is the same name.
RenameDecision DecideRename(int column, LPCSTR text, const CString& oldName,
                            RenameMessage& message);
// The old path up to its last backslash, then the new name.
CString RenamedPath(const CString& oldPath, const CString& newName);
// What a rename onto an existing file says: the new file's name alone.
RenameMessage RenameTargetExistsMessage(const CString& newPath);
