#include "lexicon/core/LookupListRules.h"

#include <algorithm>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/LookupRowDescription.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {
constexpr int kVerbTab = 0;
constexpr int kPrepositionTab = 2;
constexpr int kNumberTab = 3;
}  // namespace

long RowForListKey(LookupListKey key, long selected, long topRow, long visibleRows,
                   long rowCount) {
  if (rowCount <= 0) return -1;
  const long last = rowCount - 1;
  const long page = std::max(visibleRows, 1L);
  const long bottomRow = std::min(topRow + page - 1, last);
  long row = -1;
  switch (key) {
    case kListKeyUp: row = selected > 0 ? selected - 1 : -1; break;
    case kListKeyDown: row = selected < last ? selected + 1 : -1; break;
    case kListKeyHome: row = 0; break;
    case kListKeyEnd: row = last; break;
    case kListKeyPageUp: row = selected == topRow ? selected - (page - 1) : topRow; break;
    case kListKeyPageDown: row = selected == bottomRow ? selected + (page - 1) : bottomRow; break;
  }
  return row < 0 && (key == kListKeyUp || key == kListKeyDown) ? -1 : std::clamp(row, 0L, last);
}

long RowForPosition(long found, long rowCount) {
  if (rowCount <= 0) return -1;
  return found < 0 || found >= rowCount ? rowCount - 1 : found;
}

std::vector<int> MaskBinyanim(int binyanMask) {
  std::vector<int> binyanim;
  for (int b = 0; b < Binyan::kCount; ++b)
    if (binyanMask & (1 << b)) binyanim.push_back(b);
  return binyanim;
}

std::string BinyanMenuLabel(int number, int binyan) {
  return std::to_string(number) + " " + LookupBinyanName(binyan);
}

int GrammarTabForKind(int kind) {
  switch (kind) {
    case kKindVerb: return kVerbTab;
    case kKindPrep: return kPrepositionTab;
    case kKindNumber: return kNumberTab;
    default: return -1;
  }
}

void LookupModeStates::Save(int mode, long row, const std::string& text) {
  if (mode < 0 || mode >= kLookupModeCount) return;
  m_rows[mode] = row;
  m_texts[mode] = text;
}

LookupModeStates::Restored LookupModeStates::Restore(int mode, long wordRows,
                                                     long definitionRows) const {
  Restored state;
  const int kept = mode >= 0 && mode < kLookupModeCount ? mode : kLookupHebrewList;
  state.text = m_texts[kept];
  state.row = m_rows[kept] < 0 ? 0 : m_rows[kept];
  switch (kept) {
    case kLookupSearchResults: state.rowCount = static_cast<long>(m_results.hits.size()); break;
    case kLookupKeywordList: state.rowCount = definitionRows; break;
    default: state.rowCount = wordRows; break;
  }
  return state;
}
