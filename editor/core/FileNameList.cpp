#include "editor/core/FileNameList.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "editor/core/FileNameRules.h"

namespace {

constexpr char kAnyRun = '*';
constexpr char kAnyOne = '?';

int Upper(char c) { return toupper(static_cast<unsigned char>(c)); }

BOOL IsDotEntry(const CString& name) { return name == "." || name == ".."; }

bool LessNoCase(const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; }

// Iterative glob match with one backtrack point for the last '*': linear in
// practice and never recursive, so a long typed pattern cannot exhaust the stack.
BOOL GlobMatch(LPCSTR name, LPCSTR pattern) {
  LPCSTR starPattern = nullptr;
  LPCSTR starName = nullptr;
  while (*name) {
    if (*pattern == kAnyRun) {
      starPattern = ++pattern;
      starName = name;
    } else if (*pattern && (*pattern == kAnyOne || Upper(*pattern) == Upper(*name))) {
      ++pattern;
      ++name;
    } else if (starPattern) {
      pattern = starPattern;
      name = ++starName;
    } else {
      return FALSE;
    }
  }
  while (*pattern == kAnyRun) ++pattern;
  return *pattern == '\0';
}

}  // namespace

BOOL MatchesFilePattern(LPCSTR name, LPCSTR pattern) {
  return IsAllFilesPattern(pattern) || GlobMatch(name, pattern);
}

FileNameList::FileNameList(const std::vector<FolderEntry>& entries, LPCSTR pattern,
                           BOOL includeHidden) {
  for (const FolderEntry& entry : entries) {
    if (IsDotEntry(entry.name) || (entry.isHidden && !includeHidden)) continue;
    if (entry.isDirectory)
      m_directories.push_back(entry.name);
    else if (MatchesFilePattern(entry.name, pattern))
      m_files.push_back(entry.name);
  }
  std::sort(m_directories.begin(), m_directories.end(), LessNoCase);
  std::sort(m_files.begin(), m_files.end(), LessNoCase);
}

BOOL FileNameList::Contains(const CString& name, BOOL isFolder) const {
  const std::vector<CString>& names = isFolder ? m_directories : m_files;
  return std::binary_search(names.begin(), names.end(), name, LessNoCase);
}

int FindTypeAheadRow(const std::vector<CString>& names, int selected, char typed) {
  int count = static_cast<int>(names.size());
  if (count == 0) return -1;
  int start = selected >= 0 && selected < count ? selected + 1 : 0;
  for (int step = 0; step < count; ++step) {
    int row = (start + step) % count;
    if (!names[row].IsEmpty() && Upper(names[row][0]) == Upper(typed)) return row;
  }
  return -1;
}
