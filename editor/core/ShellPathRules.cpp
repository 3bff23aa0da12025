#include "editor/core/ShellPathRules.h"

#include <cctype>
#include <cstring>

namespace {

const size_t kDriveRootLength = 3;  // "x:\"
const char kShortcutSuffix[] = "LNK";
const size_t kShortcutSuffixLength = sizeof(kShortcutSuffix) - 1;

BOOL IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char UpperLetter(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

char DriveLetterOfPath(LPCSTR path) {
  // Each test stops at the terminator, so short paths never read past it.
  if (!path || !IsAsciiLetter(path[0]) || path[1] != ':') return 0;
  return path[2] == '\\' || path[2] == '/' ? UpperLetter(path[0]) : 0;
}

BOOL IsDriveRoot(LPCSTR path) {
  return DriveLetterOfPath(path) != 0 && std::strlen(path) == kDriveRootLength;
}

BOOL IsNetworkPath(LPCSTR path) { return path && path[0] == '\\' && path[1] == '\\'; }

char DriveLetterOfDisplayName(LPCSTR name) {
  if (!name) return 0;
  const char* open = std::strchr(name, '(');
  if (!open || !IsAsciiLetter(open[1]) || open[2] != ':' || open[3] != ')') return 0;
  return UpperLetter(open[1]);
}

BOOL IsShortcutPath(LPCSTR path) {
  if (!path) return FALSE;
  const size_t length = std::strlen(path);
  if (length < kShortcutSuffixLength) return FALSE;
  const char* tail = path + length - kShortcutSuffixLength;
  for (size_t i = 0; i < kShortcutSuffixLength; ++i)
    if (UpperLetter(tail[i]) != kShortcutSuffix[i]) return FALSE;
  return TRUE;
}
