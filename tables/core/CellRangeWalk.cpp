#include "tables/core/CellRangeWalk.h"

namespace {

constexpr int kNoCell = -1;

}  // namespace

int NextFilledCell(int selected, int first, int last, const FilledCellTest& filled) {
  if (last < first) return kNoCell;
  const bool fromSelected = selected >= first && selected <= last;
  const int count = last - first + 1;
  // With a selection every other cell is tried once; without, every cell.
  const int start = fromSelected ? selected + 1 : first;
  const int tries = fromSelected ? count - 1 : count;
  for (int i = 0; i < tries; ++i) {
    const int cell = first + (start - first + i) % count;
    if (filled(cell)) return cell;
  }
  return kNoCell;
}
