// One cell of a grammar table: the form it shows, a second spelling kept
// beside it, and its rectangle relative to the slot's anchor (the top-right
// corner of the slot's placeholder control, in logical coordinates). The
// views keep their cells in arrays, one array per form set.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

// The top of a cell that holds no form: it is not drawn, hit or copied.
constexpr LONG kEmptyCellTop = -1;
// An alternate offset where the record has no such spelling.
constexpr LONG kNoAlternate = -1;
constexpr int kCellAlternates = kMaxWordParts - 1;

struct GrammarCell {
  LONG left;       // minus the drawn width: the cell is right-aligned at its anchor
  LONG top;        // 0 with a form, kEmptyCellTop without
  LONG right;      // 0
  LONG bottom;     // the line height of the drawn form
  DWORD selected;  // non-zero for the selected cell (at most one a table)
  LONG shownAlternates[kCellAlternates];  // offsets of spellings 2-5 in shown
  HebWordRec shown;                       // the form as displayed
  LONG sourceAlternates[kCellAlternates];
  HebWordRec source;  // the form before respelling, or the second spelling kept
};

inline bool IsGrammarCellEmpty(const GrammarCell& cell) { return cell.top == kEmptyCellTop; }

// Empties the cell: no form, both records zeroed, nothing selected.
void ClearGrammarCell(GrammarCell& cell);
void ClearGrammarCells(GrammarCell* cells, int count);

// The cell's rectangle placed at its anchor.
RECT GrammarCellRect(const GrammarCell& cell, POINT anchor);

// The index of the selected non-empty cell, -1 when none.
int FindSelectedCell(const GrammarCell* cells, int count);

// The index of the first non-empty cell whose rectangle at its anchor
// (anchors[i] for cells[i]) holds the point, -1 when none does.
int HitTestGrammarCells(const GrammarCell* cells, const POINT* anchors, int count, POINT point);
