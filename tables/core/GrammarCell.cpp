#include "tables/core/GrammarCell.h"

#include <cstring>

void ClearGrammarCell(GrammarCell& cell) {
  std::memset(&cell, 0, sizeof cell);
  cell.top = kEmptyCellTop;
  for (int i = 0; i < kCellAlternates; ++i) {
    cell.shownAlternates[i] = kNoAlternate;
    cell.sourceAlternates[i] = kNoAlternate;
  }
}

void ClearGrammarCells(GrammarCell* cells, int count) {
  for (int i = 0; i < count; ++i) ClearGrammarCell(cells[i]);
}

RECT GrammarCellRect(const GrammarCell& cell, POINT anchor) {
  return RECT{cell.left + anchor.x, cell.top + anchor.y, cell.right + anchor.x,
              cell.bottom + anchor.y};
}

int FindSelectedCell(const GrammarCell* cells, int count) {
  for (int i = 0; i < count; ++i) {
    if (cells[i].selected != 0 && !IsGrammarCellEmpty(cells[i])) return i;
  }
  return -1;
}

int HitTestGrammarCells(const GrammarCell* cells, const POINT* anchors, int count, POINT point) {
  for (int i = 0; i < count; ++i) {
    if (IsGrammarCellEmpty(cells[i])) continue;
    const RECT rect = GrammarCellRect(cells[i], anchors[i]);
    // Right and bottom edges are outside, as with the system's rectangles.
    if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
        point.y < rect.bottom)
      return i;
  }
  return -1;
}
