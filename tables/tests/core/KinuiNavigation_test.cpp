// Ctrl+G in the suffix table: the next cell with text, round from the last
// form cell to the first, never the root, and no move without another form.
#include "tables/core/KinuiNavigation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KinuiNavigation, WalksTheFormCellsRound) {
  struct Case {
    std::set<int> withText;
    int selected;
    int next;
  } const cases[] = {
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, -1, 0},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 4, 5},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 10, 0},
      {{3, 7, 11}, 3, 7},
      {{3, 7, 11}, 7, 3},  // the root cell is passed by
      {{3, 7}, -1, 3},
      {{3, 7}, 10, 3},
      {{5}, 5, -1},  // no other form: nothing changes
      {{11}, -1, -1},
      {{}, -1, -1},
  };
  for (const auto& c : cases) {
    const auto hasText = [&c](int cell) { return c.withText.count(cell) > 0; };
    EXPECT_EQ(c.next, NextKinuiCell(c.selected, hasText)) << "from " << c.selected;
  }
}

TEST(KinuiNavigation, ARecordsSuffixNumberNamesItsCell) {
  struct Case {
    int suffixNumber;
    bool infinitiveNoun;
    int cell;
  } const cases[] = {
      {0, false, -1}, {1, false, 1}, {4, false, 4}, {10, false, 10}, {11, false, -1},
      {0, true, -1},  {1, true, 0},  {3, true, 1},  {12, true, 10},  {15, true, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.cell, KinuiCellOfRecord(c.suffixNumber, c.infinitiveNoun))
        << c.suffixNumber << (c.infinitiveNoun ? " noun" : " verb");
}

}  // namespace
