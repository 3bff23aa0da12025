// A run of lines set in one to four columns, and the part of it on one page.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/WinTypes.h"

struct DocLineNode;

constexpr int kMaxSectionColumns = 4;

struct CLayoutRow {
  DocLineNode* columnFirst[kMaxSectionColumns] = {};
  DocLineNode* columnLast[kMaxSectionColumns] = {};
  DocLineNode* first = nullptr;
  DocLineNode* last = nullptr;
  DWORD flags = 0;
  int height = 0;
  int lineCount = 0;    // lines in the row
  int lineHeights = 0;  // their heights added up
};

struct DocSection {
  DWORD balanced = 0;
  int columnCount = 1;
  DWORD fileValue = 0;  // stored with the section in files, kept unchanged
  DocLineNode* first = nullptr;
  DocLineNode* last = nullptr;
  int lineCount = 0;       // lines that point to it, kept by the model
  int gap = 0;             // between columns, in pixels
  double gapInUnit = 0.0;  // inches or millimetres
  WORD unit = 1;           // 1 inches, 2 millimetres
  CArray<CLayoutRow, const CLayoutRow&> rows;  // one per page the section spans
  CLayoutRow current;                          // working copy for column computations

  // Count, gaps, unit and the stored value; lines and layout are left.
  void CopySettings(const DocSection& other);
  // Drops the column distribution and rows: the lines changed.
  void ForgetLayout();

  // A section is usable with one to four columns that leave each some width.
  BOOL IsValidFor(int textWidth) const;
  int ColumnWidth(int textWidth) const;
  // Offset of column i from the text's left edge; the Hebrew side counts
  // columns from the right.
  int ColumnOffset(int column, int textWidth, int side) const;

  // Where a laid-out line stands: its row, its column in the row and its
  // index in the column; -1 when the line is not in the section's rows.
  int RowOf(const DocLineNode* line) const;
  int ColumnOf(const DocLineNode* line) const;
  int IndexInColumn(const DocLineNode* line) const;
  // Column rectangle of a row relative to the row's top left, for
  // bit 0 of flags inset by half gaps, for bit 1 as high as the column's own
  // lines (else the row's height).
  RECT ColumnRect(int row, int column, int textWidth, int side, UINT flags) const;
};

// Distributes lines of the given heights over `columns` columns as evenly as
// the fixed patterns allow. counts[i] receives the number of lines of column
// i; returns the tallest column's height.
int BalanceColumnHeights(const int* heights, int lineCount, int columns,
                         int counts[kMaxSectionColumns]);
// The same from running totals: sums[i] is the height of the lines before
// line i, from sums[0] to sums[lineCount].
int BalanceColumnSums(const long long* sums, int lineCount, int columns,
                      int counts[kMaxSectionColumns]);
