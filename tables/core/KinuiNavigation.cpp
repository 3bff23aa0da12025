#include "tables/core/KinuiNavigation.h"

int NextKinuiCell(int selected, const KinuiCellTest& hasText) {
  const int start = selected < 0 || selected >= kKinuiFormCells - 1 ? 0 : selected + 1;
  for (int step = 0; step < kKinuiFormCells; ++step) {
    const int cell = (start + step) % kKinuiFormCells;
    if (hasText(cell)) return cell == selected ? -1 : cell;
  }
  return -1;
}
