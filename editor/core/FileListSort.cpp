#include "editor/core/FileListSort.h"

namespace {

template <class T>
int CompareValues(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareByColumn(const FileRowKeys& a, const FileRowKeys& b, FileListColumn column,
                    const FileNameOrder& nameOrder) {
  switch (column) {
    case kFileColumnName:
    case kFileColumnHebrewName:
      return nameOrder ? nameOrder(column) : 0;
    case kFileColumnModified:
      return CompareValues(a.modified, b.modified);
    case kFileColumnSize:
      return CompareValues(a.size, b.size);
    case kFileColumnType:
      return a.typeName.CompareNoCase(b.typeName);
    default:
      return 0;
  }
}

}  // namespace

int CompareFileRows(const FileRowKeys& a, const FileRowKeys& b, FileListColumn column,
                    BOOL ascending, const FileNameOrder& nameOrder) {
  const BOOL aIsFile = a.isFile == 1, bIsFile = b.isFile == 1;
  const int order = aIsFile != bIsFile ? (aIsFile ? 1 : -1) : CompareByColumn(a, b, column, nameOrder);
  return ascending ? order : -order;
}

int ShellCompareOrder(LONG result) {
  if (result < 0) return 0;
  return static_cast<short>(static_cast<WORD>(result & 0xFFFF));
}

BOOL FileListSortState::Click(int column) {
  if (column != m_lastColumn) {
    m_lastColumn = column;
    m_ascending = TRUE;
  }
  const BOOL now = m_ascending;
  m_ascending = !m_ascending;
  return now;
}
