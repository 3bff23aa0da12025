// The entries a declension table's list shows: those of the type's block in
// block order, less the flagged ones and, under a category filter, those not
// in the category.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

constexpr BYTE kNoCategoryFilter = 0;

struct DeclensionEntryRows {
  std::vector<int> rowEntries;  // the entry index of each list row
  std::vector<int> entryRows;   // the list row of each entry; -1 not listed
};

// entries holds count NounEntry records.
DeclensionEntryRows ListDeclensionEntries(const BYTE* entries, int count, BYTE category);

// The list row of an entry, or -1 when the entry is not listed (filtered out
// or outside the block): an entry index is never taken for a row.
int ListRowOfEntry(const DeclensionEntryRows& rows, int entry);
