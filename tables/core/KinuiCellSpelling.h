// Which spelling a suffix table cell shows for the current alternate index,
// and in which colour: the nearest alternative at or below the index that
// the cell has, else its first spelling.
#pragma once

#include "classlib/core/WinTypes.h"
#include "tables/core/GrammarCell.h"

struct KinuiSpelling {
  LONG offset;      // where the spelling starts in the shown record
  COLORREF colour;  // black for the root cell
  bool alternate;   // an alternative is shown, not the first spelling
};

// Whether the cell's form has any alternative spelling.
bool HasKinuiAlternates(const GrammarCell& cell);

KinuiSpelling KinuiCellSpelling(const GrammarCell& cell, int cellIndex, int alternateIndex);

// Whether redrawing the alternates only draws the cell: it shows an
// alternative, or (at the first spelling) it has some.
bool IsKinuiAlternateCell(const GrammarCell& cell, int alternateIndex);
