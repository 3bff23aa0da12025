#include "tables/core/TableMarkupLayout.h"

#include <algorithm>

#include "classlib/core/MulDivRounded.h"

namespace {

constexpr LONG kNoColumn = -1;

LONG RowTop(const TableMarkupHeader& table, LONG row) { return table.rowEdge[row - 1]; }
LONG RowHeight(const TableMarkupHeader& table, LONG row) {
  return table.rowEdge[row] - table.rowEdge[row - 1];
}

void MeasureCells(TableMarkupHeader& table, TableMarkupMeasurer& measurer, int& defaultRow) {
  for (TableMarkupCell& cell : table.cells) {
    const SIZE extent = measurer.MeasureCell(cell);
    cell.width = extent.cx;
    if (cell.font == kMarkupHebrewFont) {
      // Hebrew rows are as tall as the shared form font's lines.
      cell.height = measurer.HebrewLineHeight();
      defaultRow = cell.height;
    } else {
      cell.height = extent.cy;
    }
  }
}

void MeasureRows(TableMarkupHeader& table, int defaultRow) {
  LONG heights[kMarkupMaxRows + 1];
  std::fill(std::begin(heights), std::end(heights), defaultRow);
  for (const TableMarkupCell& cell : table.cells)
    heights[cell.row] = std::max(heights[cell.row], cell.height);
  table.rowEdge[0] = 0;
  for (LONG r = 1; r <= table.rowCount; ++r) table.rowEdge[r] = table.rowEdge[r - 1] + heights[r];
  table.bounds.bottom = table.rowEdge[table.rowCount];
}

// Group widths, free widths and the widest group of each column; returns
// the widest free width of any row.
LONG MeasureGroups(TableMarkupHeader& table, LONG (&columnWidth)[kMarkupColumns]) {
  std::vector<TableMarkupCell>& cells = table.cells;
  LONG widestFree = 0;
  size_t rowStart = 0;
  while (rowStart < cells.size()) {
    size_t rowEnd = rowStart;
    LONG free = 0;
    while (rowEnd < cells.size() && cells[rowEnd].row == cells[rowStart].row) {
      const LONG column = cells[rowEnd].column;
      if (column == 0) {
        free += cells[rowEnd].width;
        ++rowEnd;
        continue;
      }
      size_t runEnd = rowEnd;
      LONG group = 0;
      while (runEnd < cells.size() && cells[runEnd].row == cells[rowStart].row &&
             cells[runEnd].column == column)
        group += cells[runEnd++].width;
      for (size_t i = rowEnd; i < runEnd; ++i) cells[i].groupWidth = group;
      columnWidth[column - 1] = std::max(columnWidth[column - 1], group);
      rowEnd = runEnd;
    }
    for (size_t i = rowStart; i < rowEnd; ++i) cells[i].freeWidth = free;
    widestFree = std::max(widestFree, free);
    rowStart = rowEnd;
  }
  return widestFree;
}

// Lays the columns side by side, a gap apart; returns the width they take.
// An empty column takes no room, so that a table naming only, say, column 3
// still places it (its cells would otherwise stand left of the table).
LONG PlaceColumns(TableMarkupHeader& table, const LONG (&columnWidth)[kMarkupColumns], int gap) {
  LONG left = 0;
  LONG total = 0;
  for (int c = 0; c < kMarkupColumns; ++c) {
    if (columnWidth[c] == 0) continue;
    table.columnLeft[c] = left;
    table.columnRight[c] = left + columnWidth[c];
    total = table.columnRight[c];
    left = total + gap;
  }
  return total;
}

LONG ColumnCellLeft(const TableMarkupHeader& table, const TableMarkupCell& cell, LONG originX) {
  const LONG left = table.columnLeft[cell.column - 1];
  const LONG right = table.columnRight[cell.column - 1];
  switch (cell.alignment) {
    case kMarkupRight: return originX + right - cell.groupWidth;
    case kMarkupCentre: return originX + left + MulDivRounded(right - left - cell.groupWidth, 1, 2);
    default: return originX + left;
  }
}

LONG FreeCellLeft(const TableMarkupHeader& table, const TableMarkupCell& cell, LONG originX) {
  const LONG tableWidth = table.bounds.right;
  switch (cell.alignment) {
    case kMarkupRight: return originX + tableWidth - cell.freeWidth;
    case kMarkupCentre: return originX + MulDivRounded(tableWidth - cell.freeWidth, 1, 2);
    default: return originX + table.bounds.left;
  }
}

}  // namespace

void MeasureTableMarkup(TableMarkupHeader& table, TableMarkupMeasurer& measurer) {
  table.bounds = {};
  // An empty table stays empty, so that its tip knows to close.
  if (table.cells.empty()) return;
  int defaultRow = measurer.DefaultRowHeight();
  const int gap = measurer.ColumnGap();
  MeasureCells(table, measurer, defaultRow);
  MeasureRows(table, defaultRow);
  LONG columnWidth[kMarkupColumns] = {};
  const LONG widestFree = MeasureGroups(table, columnWidth);
  table.bounds.right = std::max(PlaceColumns(table, columnWidth, gap), widestFree);
}

std::vector<POINT> PlaceTableMarkupCells(const TableMarkupHeader& table, POINT origin) {
  std::vector<POINT> places;
  places.reserve(table.cells.size());
  LONG row = 0;
  LONG column = kNoColumn;
  LONG nextLeft = origin.x;
  for (const TableMarkupCell& cell : table.cells) {
    const bool newRow = cell.row != row;
    if (newRow) {
      row = cell.row;
      column = kNoColumn;
    }
    POINT place;
    place.y =
        origin.y + RowTop(table, row) + MulDivRounded(RowHeight(table, row) - cell.height, 1, 2);
    if (cell.column != 0 && cell.column != column) {
      place.x = ColumnCellLeft(table, cell, origin.x);
      column = cell.column;
    } else if (cell.column == 0 && newRow) {
      place.x = FreeCellLeft(table, cell, origin.x);
    } else {
      place.x = nextLeft;
    }
    nextLeft = place.x + cell.width;
    places.push_back(place);
  }
  return places;
}

bool SameMarkupFont(const TableMarkupCell& a, const TableMarkupCell& b) {
  return a.font == b.font && a.size == b.size && a.bold == b.bold && a.italic == b.italic;
}
