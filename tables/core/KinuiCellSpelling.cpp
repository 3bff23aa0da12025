#include "tables/core/KinuiCellSpelling.h"

#include "tables/core/KinuiLabels.h"
#include "tables/core/VerbTableContent.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
// The colour of the alternative at position k; the fourth and beyond red.
const COLORREF kAlternateColours[] = {kBlack, RGB(128, 0, 0), VerbTableColour::kArchaic,
                                      VerbTableColour::kWithAlternates};
constexpr int kAlternateColourCount = sizeof kAlternateColours / sizeof kAlternateColours[0];

// The alternative at or below the index whose offset marks a spelling; -1
// when none does.
int ShownAlternate(const GrammarCell& cell, int alternateIndex) {
  if (alternateIndex >= kCellAlternates) alternateIndex = kCellAlternates - 1;
  for (int k = alternateIndex; k >= 0; --k)
    if (cell.shownAlternates[k] != 0 && cell.shownAlternates[k] != kNoAlternate) return k;
  return -1;
}

}  // namespace

bool HasKinuiAlternates(const GrammarCell& cell) {
  return ShownAlternate(cell, kCellAlternates - 1) >= 0;
}

KinuiSpelling KinuiCellSpelling(const GrammarCell& cell, int cellIndex, int alternateIndex) {
  const int k = ShownAlternate(cell, alternateIndex);
  KinuiSpelling spelling{0, VerbTableColour::kPlain, k >= 0};
  if (k >= 0) {
    spelling.offset = cell.shownAlternates[k];
    spelling.colour = kAlternateColours[k < kAlternateColourCount ? k : kAlternateColourCount - 1];
  } else if (HasKinuiAlternates(cell)) {
    spelling.colour = VerbTableColour::kWithAlternates;
  }
  if (cellIndex == kKinuiRootCell) spelling.colour = kBlack;
  return spelling;
}

bool IsKinuiAlternateCell(const GrammarCell& cell, int alternateIndex) {
  return alternateIndex < 0 ? HasKinuiAlternates(cell) : ShownAlternate(cell, alternateIndex) >= 0;
}
