// Sizes and places the cells of a parsed mark-up table. The device work
// (fonts, text extents) is the measurer's, so the rules of rows, columns and
// alignment are the same on every device and testable without one.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"
#include "tables/core/TableMarkup.h"

// What measuring asks of the screen.
class TableMarkupMeasurer {
 public:
  // The height plus external leading of the default font.
  virtual int DefaultRowHeight() = 0;
  // The width of "W" in the stock system font.
  virtual int ColumnGap() = 0;
  // The line height of the shared 16-pixel Hebrew form font, which every
  // Hebrew (font 6) cell takes.
  virtual int HebrewLineHeight() = 0;
  // Width and height of the cell's text in its font; for a Hebrew cell the
  // height is ignored (HebrewLineHeight is used).
  virtual SIZE MeasureCell(const TableMarkupCell& cell) = 0;

 protected:
  ~TableMarkupMeasurer() = default;
};

// Fills widths, heights, group and free widths, the column and row edges
// and the bounds. Needed once before any number of paints.
void MeasureTableMarkup(TableMarkupHeader& table, TableMarkupMeasurer& measurer);

// Where each cell of a measured table is painted (its top-left corner) when
// the table's top-left corner is at origin; one point per cell, in order.
std::vector<POINT> PlaceTableMarkupCells(const TableMarkupHeader& table, POINT origin);

// Whether two cells are drawn in the same font (font number, size, bold,
// italic), so that a painter selects a font only when it changes.
bool SameMarkupFont(const TableMarkupCell& a, const TableMarkupCell& b);
