// The lookup list's rules that need no window: where its keys move the
// selection, where a typed text's position puts it, the binyan menu of a
// verb keyword, the grammar table a record opens, and what each mode keeps
// while another is shown.
#pragma once

#include <string>
#include <vector>

#include "lexicon/core/LookupColumns.h"
#include "lexicon/core/LookupSearch.h"

enum LookupListKey { kListKeyUp, kListKeyDown, kListKeyHome, kListKeyEnd, kListKeyPageUp,
                     kListKeyPageDown };
// The row the key selects, or -1 when it moves nothing (the first row's Up,
// the last row's Down, an empty list).
long RowForListKey(LookupListKey key, long selected, long topRow, long visibleRows,
                   long rowCount);

// The row to select for a positioning result: a text that has no place
// (-1, -2) selects the last row; -1 when the list is empty.
long RowForPosition(long found, long rowCount);

// The binyanim of a verb keyword's mask, in order.
std::vector<int> MaskBinyanim(int binyanMask);
// "%d %s": the running number from 1 and the binyan's short name.
std::string BinyanMenuLabel(int number, int binyan);

// The grammar view tab a record kind opens (verb 0, preposition 2, number
// 3), or -1 for kinds that open none.
int GrammarTabForKind(int kind);

// What each mode keeps while another is shown: its edit text and selected
// row, and for the search mode its results.
class LookupModeStates {
 public:
  struct Restored {
    std::string text;
    long row;       // 0 when none was kept
    long rowCount;  // the mode's rows
  };

  void Save(int mode, long row, const std::string& text);
  void SaveResults(const LookupResults& results) { m_results = results; }
  const LookupResults& Results() const { return m_results; }
  // The mode's state; wordRows and definitionRows are the list databases'.
  Restored Restore(int mode, long wordRows, long definitionRows) const;

 private:
  long m_rows[kLookupModeCount] = {-1, -1, -1};
  std::string m_texts[kLookupModeCount];
  LookupResults m_results;
};
