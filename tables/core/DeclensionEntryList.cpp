#include "tables/core/DeclensionEntryList.h"

#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarLayout.h"

namespace {

constexpr BYTE kEndOfCategories = 255;
constexpr int kNotListed = -1;

bool InCategory(const BYTE* entry, BYTE category) {
  for (int i = 0; i < GrammarLayout::kNounEntryCategories; ++i) {
    const BYTE code = entry[GrammarLayout::kNounEntryCategoryOffset + i];
    if (code == kEndOfCategories) return false;
    if (code == category) return true;
  }
  return false;
}

}  // namespace

DeclensionEntryRows ListDeclensionEntries(const BYTE* entries, int count, BYTE category) {
  DeclensionEntryRows rows;
  if (!entries || count <= 0) return rows;
  rows.entryRows.assign(static_cast<size_t>(count), kNotListed);
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = entries + static_cast<size_t>(i) * GrammarLayout::kNounEntrySize;
    if (IsPatternFlagged(entry)) continue;
    if (category != kNoCategoryFilter && !InCategory(entry, category)) continue;
    rows.entryRows[static_cast<size_t>(i)] = static_cast<int>(rows.rowEntries.size());
    rows.rowEntries.push_back(i);
  }
  return rows;
}

int ListRowOfEntry(const DeclensionEntryRows& rows, int entry) {
  if (entry < 0 || entry >= static_cast<int>(rows.entryRows.size())) return kNotListed;
  return rows.entryRows[static_cast<size_t>(entry)];
}
