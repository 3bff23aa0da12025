// Which cells a declension table builds for an entry: the type's range,
// narrowed by the noun's number radios, its table id and multi-word entries.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"
#include "tables/core/NumberRadios.h"

// The cells in building order. The radios count for nouns only. A single
// form (id 0xFFFF) stands in the noun's "Plural" cell, and in the first cell
// of the types that have no such cell.
std::vector<int> DeclensionCellsToBuild(int tableType, WORD tableId, bool multiWord,
                                        const NumberRadios& radios);
