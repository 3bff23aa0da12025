#include "editor/core/DocSection.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "editor/core/DocNodes.h"
#include "editor/core/EdMulDiv.h"

BOOL DocSection::IsValidFor(int textWidth) const {
  if (columnCount < 1 || columnCount > kMaxSectionColumns || gap < 0) return FALSE;
  return textWidth > 0 && gap < textWidth && ColumnWidth(textWidth) > 0;
}

void DocSection::CopySettings(const DocSection& other) {
  columnCount = other.columnCount;
  fileValue = other.fileValue;
  gap = other.gap;
  gapInUnit = other.gapInUnit;
  unit = other.unit;
}

void DocSection::ForgetLayout() {
  balanced = 0;
  rows.RemoveAll();
  current = CLayoutRow();
}

int DocSection::ColumnWidth(int textWidth) const {
  int columns = std::max(1, std::min(columnCount, kMaxSectionColumns));
  return EdMulDiv(textWidth - EdMulDiv(gap, columns - 1, 1), 1, columns);
}

int DocSection::ColumnOffset(int column, int textWidth, int side) const {
  int width = ColumnWidth(textWidth);
  int offset = (gap + width) * column;
  return side == 1 ? textWidth - width - offset : offset;
}

// Fills the columns under one pattern: a line that would make a column taller
// than the target stays in it when the column's bit is set, else it begins the
// next column; each column takes at least its first line, the last one the
// rest. Each column's end is found in the running totals by a binary search.
// Returns tallest minus shortest column height.
static long long TryPattern(const long long* sums, int lineCount, int columns, long long target,
                            unsigned pattern, int counts[kMaxSectionColumns],
                            long long* tallest) {
  std::fill(counts, counts + kMaxSectionColumns, 0);
  long long hi = 0, lo = LLONG_MAX;
  int begin = 0;
  for (int c = 0; c < columns; c++) {
    int end = lineCount;
    if (begin >= lineCount) {
      end = begin;
    } else if (c < columns - 1 && begin + 2 <= lineCount) {
      // The first line after the column's first that overflows the target.
      const long long* over =
          std::upper_bound(sums + begin + 2, sums + lineCount + 1, sums[begin] + target);
      int afterOverflow = static_cast<int>(over - sums);
      if (afterOverflow <= lineCount)
        end = (pattern & (1u << c)) ? afterOverflow : afterOverflow - 1;
    }
    counts[c] = end - begin;
    long long height = sums[end] - sums[begin];
    hi = std::max(hi, height);
    lo = std::min(lo, height);
    begin = end;
  }
  *tallest = hi;
  return hi - lo;
}

int BalanceColumnHeights(const int* heights, int lineCount, int columns,
                         int counts[kMaxSectionColumns]) {
  std::vector<long long> sums(static_cast<size_t>(std::max(lineCount, 0)) + 1, 0);
  for (int i = 0; i < lineCount; i++) sums[i + 1] = sums[i] + heights[i];
  return BalanceColumnSums(sums.data(), lineCount, columns, counts);
}

int BalanceColumnSums(const long long* sums, int lineCount, int columns,
                      int counts[kMaxSectionColumns]) {
  std::fill(counts, counts + kMaxSectionColumns, 0);
  columns = std::max(1, std::min(columns, kMaxSectionColumns));
  if (lineCount <= columns) {
    long long tallest = 0;
    for (int i = 0; i < lineCount; i++) {
      counts[i] = 1;
      tallest = std::max(tallest, sums[i + 1] - sums[i]);
    }
    return static_cast<int>(tallest);
  }
  static const unsigned kPatterns[kMaxSectionColumns][8] = {
      {0}, {1, 0}, {3, 1, 2, 0}, {7, 3, 5, 6, 1, 2, 4, 0}};
  long long total = sums[lineCount] - sums[0];
  int target = EdMulDiv(static_cast<int>(std::min<long long>(total, INT_MAX)), 1, columns);
  long long best = LLONG_MAX, bestTallest = 0;
  int trial[kMaxSectionColumns];
  for (int p = 0; p < (1 << (columns - 1)); p++) {
    long long tallest;
    long long spread =
        TryPattern(sums, lineCount, columns, target, kPatterns[columns - 1][p], trial, &tallest);
    if (spread < best) {
      best = spread;
      bestTallest = tallest;
      std::copy(trial, trial + kMaxSectionColumns, counts);
    }
  }
  return static_cast<int>(bestTallest);
}

// Walks a column from its first line; -1 when the line is not in it.
static int FindInColumn(const CLayoutRow& row, int column, const DocLineNode* line) {
  int index = 0;
  for (const DocLineNode* l = row.columnFirst[column]; l != nullptr; l = l->next, index++) {
    if (l == line) return index;
    if (l == row.columnLast[column]) break;
  }
  return -1;
}

int DocSection::RowOf(const DocLineNode* line) const {
  for (int r = 0; r < rows.GetSize(); r++)
    for (int c = 0; c < kMaxSectionColumns; c++)
      if (FindInColumn(rows[r], c, line) >= 0) return r;
  return -1;
}

int DocSection::ColumnOf(const DocLineNode* line) const {
  int r = RowOf(line);
  if (r < 0) return -1;
  for (int c = 0; c < kMaxSectionColumns; c++)
    if (FindInColumn(rows[r], c, line) >= 0) return c;
  return -1;
}

int DocSection::IndexInColumn(const DocLineNode* line) const {
  int r = RowOf(line);
  return r < 0 ? -1 : FindInColumn(rows[r], ColumnOf(line), line);
}

RECT DocSection::ColumnRect(int row, int column, int textWidth, int side, UINT flags) const {
  RECT rect = {0, 0, 0, 0};
  if (row < 0 || row >= rows.GetSize() || column < 0 || column >= columnCount) return rect;
  const CLayoutRow& r = rows[row];
  rect.left = ColumnOffset(column, textWidth, side);
  rect.right = rect.left + ColumnWidth(textWidth);
  if (flags & 1) {
    int lastColumn = columnCount - 1;
    if (column > 0) rect.left += gap / 2;
    rect.right -= (column == 0 || column == lastColumn) ? gap / 2 : gap;
  }
  if (flags & 2) {
    for (const DocLineNode* l = r.columnFirst[column]; l != nullptr; l = l->next) {
      rect.bottom += l->cache.height;
      if (l == r.columnLast[column]) break;
    }
  } else {
    rect.bottom = r.height;
  }
  return rect;
}
