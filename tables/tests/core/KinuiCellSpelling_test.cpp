// The spelling and colour of a suffix table cell for each alternate index,
// and which cells an alternates-only redraw touches.
#include "tables/core/KinuiCellSpelling.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "tables/core/KinuiLabels.h"
#include "tables/core/VerbTableContent.h"

namespace {

// A form cell whose alternatives start at the given offsets.
GrammarCell CellWithAlternates(std::initializer_list<LONG> offsets) {
  GrammarCell cell;
  ClearGrammarCell(cell);
  cell.top = 0;
  int k = 0;
  for (LONG offset : offsets) cell.shownAlternates[k++] = offset;
  return cell;
}

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(KinuiCellSpelling, TheNearestAlternativeAtOrBelowTheIndex) {
  const GrammarCell none = CellWithAlternates({});
  const GrammarCell two = CellWithAlternates({6, 12});
  const GrammarCell four = CellWithAlternates({6, 12, 18, 24});
  struct Case {
    const GrammarCell* cell;
    int alternate;
    LONG offset;
    COLORREF colour;
    bool shown;
  } const cases[] = {
      {&none, -1, 0, kNavy, false},
      {&none, 2, 0, kNavy, false},
      {&two, -1, 0, kRed, false},
      {&two, 0, 6, kBlack, true},
      {&two, 1, 12, RGB(128, 0, 0), true},
      // Fewer alternatives than the index: the highest it has, in its colour.
      {&two, 3, 12, RGB(128, 0, 0), true},
      {&four, 2, 18, RGB(128, 0, 255), true},
      {&four, 3, 24, kRed, true},
      {&four, 4, 24, kRed, true},
  };
  for (const auto& c : cases) {
    const KinuiSpelling spelling = KinuiCellSpelling(*c.cell, 1, c.alternate);
    EXPECT_EQ(c.offset, spelling.offset) << c.alternate;
    EXPECT_EQ(c.colour, spelling.colour) << c.alternate;
    EXPECT_EQ(c.shown, spelling.alternate) << c.alternate;
    EXPECT_EQ(c.shown || (c.alternate < 0 && HasKinuiAlternates(*c.cell)),
              IsKinuiAlternateCell(*c.cell, c.alternate))
        << c.alternate;
  }
}

TEST(KinuiCellSpelling, TheRootIsAlwaysBlack) {
  for (int alternate : {-1, 0, 1})
    EXPECT_EQ(kBlack,
              KinuiCellSpelling(CellWithAlternates({6, 12}), kKinuiRootCell, alternate).colour);
  EXPECT_EQ(kBlack, KinuiCellSpelling(CellWithAlternates({}), kKinuiRootCell, -1).colour);
}

TEST(KinuiCellSpelling, AnAlternatesOnlyRedrawSkipsCellsWithoutThem) {
  EXPECT_FALSE(IsKinuiAlternateCell(CellWithAlternates({}), -1));
  EXPECT_FALSE(IsKinuiAlternateCell(CellWithAlternates({}), 0));
  EXPECT_TRUE(IsKinuiAlternateCell(CellWithAlternates({6}), -1));
  EXPECT_TRUE(IsKinuiAlternateCell(CellWithAlternates({6}), 3));
}

}  // namespace
