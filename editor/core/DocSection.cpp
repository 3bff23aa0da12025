#include "editor/core/DocSection.h"

#include <algorithm>
#include <climits>

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
// next column. Returns tallest minus shortest column height.
static int TryPattern(const int* heights, int lineCount, int columns, int target, unsigned pattern,
                      int counts[kMaxSectionColumns], int* tallest) {
  int sums[kMaxSectionColumns] = {};
  std::fill(counts, counts + kMaxSectionColumns, 0);
  int column = 0;
  for (int i = 0; i < lineCount; i++) {
    int h = heights[i];
    if (column < columns - 1 && counts[column] > 0 && sums[column] + h > target) {
      if (pattern & (1u << column)) {
        sums[column] += h;
        counts[column]++;
        column++;
        continue;
      }
      column++;
    }
    sums[column] += h;
    counts[column]++;
  }
  int hi = 0, lo = INT_MAX;
  for (int c = 0; c < columns; c++) {
    hi = std::max(hi, sums[c]);
    lo = std::min(lo, sums[c]);
  }
  *tallest = hi;
  return hi - lo;
}

int BalanceColumnHeights(const int* heights, int lineCount, int columns,
                         int counts[kMaxSectionColumns]) {
  std::fill(counts, counts + kMaxSectionColumns, 0);
  columns = std::max(1, std::min(columns, kMaxSectionColumns));
  if (lineCount <= columns) {
    int tallest = 0;
    for (int i = 0; i < lineCount; i++) {
      counts[i] = 1;
      tallest = std::max(tallest, heights[i]);
    }
    return tallest;
  }
  static const unsigned kPatterns[kMaxSectionColumns][8] = {
      {0}, {1, 0}, {3, 1, 2, 0}, {7, 3, 5, 6, 1, 2, 4, 0}};
  long long total = 0;
  for (int i = 0; i < lineCount; i++) total += heights[i];
  int target = EdMulDiv(static_cast<int>(std::min<long long>(total, INT_MAX)), 1, columns);
  int best = INT_MAX, bestTallest = 0;
  int trial[kMaxSectionColumns];
  for (int p = 0; p < (1 << (columns - 1)); p++) {
    int tallest;
    int spread =
        TryPattern(heights, lineCount, columns, target, kPatterns[columns - 1][p], trial, &tallest);
    if (spread < best) {
      best = spread;
      bestTallest = tallest;
      std::copy(trial, trial + kMaxSectionColumns, counts);
    }
  }
  return bestTallest;
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
