// The Select Next Grammar Form walk of a declension table: the next cell of
// the table's range that holds a form, cycling from the selected cell.
#pragma once

#include <functional>

// Whether a cell holds a form for the current alternate index.
using FilledCellTest = std::function<bool(int cell)>;

// The first filled cell after selected in first..last, cycling to first;
// from first when no cell of the range is selected. -1 when the walk comes
// back to the selected cell (or, with none selected, ends its one pass)
// without finding another.
int NextFilledCell(int selected, int first, int last, const FilledCellTest& filled);
