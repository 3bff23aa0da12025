// The rules the Open and Save dialogs apply to a typed file name: which
// characters are refused, when a name is a wildcard pattern, which file types
// the type box offers and which extension Save adds.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// Characters a file name may not hold (the wildcards * and ? pass: they make
// the name a file pattern).
extern const char kBadFileNameChars[];
extern const char kBadFileNameMessage[];
extern const char kBadFileNameCaption[];

// The index of the first refused character in the name, or -1 when it has
// none; the dialog selects that character in the name box.
int FindBadFileNameChar(LPCSTR name);

// TRUE when the name holds * or ?, so it filters the list instead of naming
// a file.
BOOL IsWildcardName(LPCSTR name);

// The pattern that shows every file, and with it no filtering by name list.
extern const char kAllFilesPattern[];
BOOL IsAllFilesPattern(LPCSTR pattern);

// One entry of the type box, in the box's order.
struct FileTypeEntry {
  LPCSTR text;       // the entry as shown
  LPCSTR pattern;    // the file pattern it selects
  LPCSTR extension;  // added on Save; nullptr for "All Files"
};
extern const FileTypeEntry kFileTypes[];
extern const int kFileTypeCount;

// The type entry a name's extension selects: the native, RTF or text entry,
// else "All Files". Out-of-range indexes used elsewhere fall back to it too.
int FileTypeIndexForName(LPCSTR name);
const FileTypeEntry& FileTypeAt(int index);

// Save's extension rule: a name with no '.' among its last four characters
// (all of them when it is shorter) gets the selected type's extension; "All
// Files" adds none.
CString WithDefaultExtension(const CString& name, int typeIndex);

// The question asked before Save replaces an existing file.
extern const char kOverwriteCaption[];
CString FormatOverwriteQuestion(LPCSTR fileName);
