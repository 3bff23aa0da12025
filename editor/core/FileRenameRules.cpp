#include "editor/core/FileRenameRules.h"

#include "editor/core/FileNameRules.h"

namespace {

const int kNameColumn = 0;
const char kBadNameText[] = "A Filename may not contain the characters: * ? \\ / : \" < > |";
const char kExistsFormat[] = "The file: '%s' already exists!";
const char kExistsCaption[] = "Error Renaming File";

}  // namespace

RenameDecision DecideRename(int column, LPCSTR text, const CString& oldName,
                            RenameMessage& message) {
  if (column != kNameColumn || !text || !*text || oldName.CompareNoCase(text) == 0)
    return kRenameNothing;
  // A new name is a name, never a file pattern: the wildcards are refused too.
  if (FindBadFileNameChar(text) >= 0 || IsWildcardName(text)) {
    message = {kBadNameText, kBadFileNameCaption};
    return kRenameRefused;
  }
  return kRenameFile;
}

CString RenamedPath(const CString& oldPath, const CString& newName) {
  return oldPath.Left(oldPath.ReverseFind('\\') + 1) + newName;
}

RenameMessage RenameTargetExistsMessage(const CString& newPath) {
  RenameMessage message;
  message.text.Format(kExistsFormat, static_cast<LPCSTR>(newPath.Mid(newPath.ReverseFind('\\') + 1)));
  message.caption = kExistsCaption;
  return message;
}
