#include "editor/core/FileNameRules.h"

#include <cstring>

#include "hebtext/core/ProgramPath.h"

const char kBadFileNameChars[] = "\\/:\"<>|";
const char kBadFileNameMessage[] =
    "A Filename may not contain the characters: \\ / : \" < > |";
const char kBadFileNameCaption[] = "Bad File Name";
const char kAllFilesPattern[] = "*.*";
const char kOverwriteCaption[] = "Warning: File Exists";

const FileTypeEntry kFileTypes[] = {
    {"Zulta Files (*.zlt)", "*.zlt", "zlt"},
    {"Rich Text Files (*.rtf)", "*.rtf", "rtf"},
    {"Text Files (*.txt)", "*.txt", "txt"},
    {"All Files (*.*)", kAllFilesPattern, nullptr},
};
const int kFileTypeCount = sizeof(kFileTypes) / sizeof(kFileTypes[0]);

namespace {

constexpr int kAllFilesIndex = kFileTypeCount - 1;
// A '.' this close to the end already gives the name an extension.
constexpr int kExtensionWindow = 4;

}  // namespace

int FindBadFileNameChar(LPCSTR name) {
  size_t at = strcspn(name, kBadFileNameChars);
  return name[at] ? static_cast<int>(at) : -1;
}

BOOL IsWildcardName(LPCSTR name) { return strpbrk(name, "*?") != nullptr; }

BOOL IsAllFilesPattern(LPCSTR pattern) { return strcmp(pattern, kAllFilesPattern) == 0; }

int FileTypeIndexForName(LPCSTR name) {
  for (int i = 0; i < kAllFilesIndex; ++i)
    if (HasExtension(name, kFileTypes[i].extension)) return i;
  return kAllFilesIndex;
}

const FileTypeEntry& FileTypeAt(int index) {
  return kFileTypes[index >= 0 && index < kFileTypeCount ? index : kAllFilesIndex];
}

CString WithDefaultExtension(const CString& name, int typeIndex) {
  LPCSTR extension = FileTypeAt(typeIndex).extension;
  int length = name.GetLength();
  int windowStart = length > kExtensionWindow ? length - kExtensionWindow : 0;
  if (!extension || name.Find('.', windowStart) >= 0) return name;
  return name + "." + extension;
}

CString FormatOverwriteQuestion(LPCSTR fileName) {
  CString question;
  question.Format("The file '%s' already exists!\n\tOVERWRITE?", fileName);
  return question;
}
