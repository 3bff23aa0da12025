// Select Next Grammar Form in the suffix table: the walk over the form
// cells (the root cell is never selected).
#pragma once

#include <functional>

// Cells 0 to 10 hold forms; 11 is the root.
constexpr int kKinuiFormCells = 11;

using KinuiCellTest = std::function<bool(int cell)>;

// The first cell with text from the one after selected (cell 0 when none
// or the last form cell is selected), cyclically over one full round; -1
// when no cell other than the selected one has text.
int NextKinuiCell(int selected, const KinuiCellTest& hasText);

// The cell a dictionary record's suffix number names: the person's cell
// for a suffixed verb form (0, no suffix, names none); for an infinitive
// noun, whose numbers count the noun's declension cells (1 the noun, 3 to
// 12 the persons), cell 0 or the person's. -1 when none.
int KinuiCellOfRecord(int suffixNumber, bool infinitiveNoun);
