#include "tables/core/KinuiNavigation.h"

int NextKinuiCell(int selected, const KinuiCellTest& hasText) {
  const int start = selected < 0 || selected >= kKinuiFormCells - 1 ? 0 : selected + 1;
  for (int step = 0; step < kKinuiFormCells; ++step) {
    const int cell = (start + step) % kKinuiFormCells;
    if (hasText(cell)) return cell == selected ? -1 : cell;
  }
  return -1;
}

int KinuiCellOfRecord(int suffixNumber, bool infinitiveNoun) {
  // An infinitive noun's numbers skip the noun's pausal cell (2).
  constexpr int kNounCell = 1;
  int cell = suffixNumber;
  if (infinitiveNoun && cell != kNounCell) --cell;
  if (cell == 0) return -1;
  if (infinitiveNoun) --cell;
  return cell >= 0 && cell < kKinuiFormCells ? cell : -1;
}
