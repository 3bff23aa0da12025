// The order of the file list's rows when a column header is clicked:
// folders before files, then by the clicked column; descending reverses the
// whole order, the folders-first rule included.
#pragma once

#include <ctime>
#include <functional>

#include "classlib/core/CString.h"

// The list's five columns, in their order in the header.
enum FileListColumn {
  kFileColumnName = 0,
  kFileColumnHebrewName = 1,
  kFileColumnModified = 2,
  kFileColumnSize = 3,
  kFileColumnType = 4,
  kFileColumnCount = 5
};

// What the comparison reads of a row.
struct FileRowKeys {
  int isFile = -1;         // 1 for a file, 0 for a folder, -1 not known
  time_t modified = -1;    // -1 not known
  DWORD size = 0xFFFFFFFF; // all ones when not known
  CString typeName;
};

// The names' order (negative, 0, positive) of the two rows for the Name or
// Hebrew Name column; only the caller can work it out (the shell's order of
// the items, or the lexicon's order of the Hebrew titles).
using FileNameOrder = std::function<int(FileListColumn column)>;

// Negative when row a comes first, 0 when the rows keep their places.
int CompareFileRows(const FileRowKeys& a, const FileRowKeys& b, FileListColumn column,
                    BOOL ascending, const FileNameOrder& nameOrder);

// The shell's comparison of two items as an order: its low 16 bits, signed;
// a failed comparison leaves the rows as they are.
int ShellCompareOrder(LONG result);  // result: the comparison's HRESULT

// The state of the header clicks: a click on another column sorts it
// ascending; each sort flips the direction for the next click on it.
class FileListSortState {
 public:
  // lastColumn -1 and ascending for a new listing of the file system; the
  // shell's own listing comes sorted by name (column 0, next click descending).
  void Reset(int lastColumn, BOOL ascending) {
    m_lastColumn = lastColumn;
    m_ascending = ascending;
  }
  // The direction to sort the clicked column in now.
  BOOL Click(int column);
  int LastColumn() const { return m_lastColumn; }

 private:
  int m_lastColumn = -1;
  BOOL m_ascending = TRUE;
};
