#include "editor/core/TypedPath.h"

#include <cstring>

#include "editor/core/DocumentPath.h"

namespace {

const char kShortcutSuffix[] = "LNK";
constexpr int kShortcutSuffixLength = sizeof(kShortcutSuffix) - 1;
constexpr char kQuote = '"';
constexpr int kMaxPathChars = MAX_PATH - 1;  // room for the terminator

// A path that does not depend on the folder: "C:..." or "\...".
BOOL IsAbsolutePath(const CString& path) {
  return (path.GetLength() >= 2 && path[1] == ':') ||
         (!path.IsEmpty() && path[0] == '\\');
}

}  // namespace

BOOL IsShortcutName(LPCSTR text) {
  size_t length = strlen(text);
  return length >= static_cast<size_t>(kShortcutSuffixLength) &&
         CString(text + length - kShortcutSuffixLength).CompareNoCase(kShortcutSuffix) == 0;
}

CString ShortcutPathOf(const CString& folder, const CString& text) {
  CString name = text;
  if (!name.IsEmpty() && name[0] == kQuote) name = name.Mid(1);
  int quote = name.Find(kQuote);
  if (quote >= 0) name = name.Left(quote);
  CString path = IsAbsolutePath(name) ? name : WithTrailingBackslash(folder) + name;
  return path.Left(kMaxPathChars);
}

TypedPath SplitTypedPath(const CString& text, BOOL wasShortcut,
                         const std::function<bool(const CString&)>& isDirectory) {
  TypedPath typed;
  int slash = text.ReverseFind('\\');
  if (slash < 0) return typed;
  if (isDirectory(text)) {
    typed.kind = TypedPathKind::kFolder;
    typed.folder = text;
    return typed;
  }
  if (wasShortcut) return typed;
  CString folder = GetFolderOfPath(text);
  if (folder.IsEmpty() || !isDirectory(folder)) return typed;
  typed.kind = TypedPathKind::kFolderAndName;
  typed.folder = folder;
  typed.name = text.Mid(slash + 1);
  return typed;
}

CString WithTrailingBackslash(const CString& folder) {
  if (folder.IsEmpty() || folder[folder.GetLength() - 1] == '\\') return folder;
  return folder + "\\";
}

CString WithoutTrailingBackslash(const CString& folder) {
  int length = folder.GetLength();
  if (length == 0 || folder[length - 1] != '\\') return folder;
  return folder.Left(length - 1);
}
