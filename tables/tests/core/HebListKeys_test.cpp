// The Hebrew list's keys: the entry each key selects and where the list
// scrolls to show it.
#include "tables/core/HebListKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kLeft = 37;
constexpr UINT kRight = 39;
constexpr UINT kTab = 9;
constexpr UINT kLetterA = 65;

struct KeyCase {
  const char* what;
  UINT key;
  HebListState state;
  bool moves;
  int selected;
  int top;
};

TEST(HebListKeyMove, SelectsAndScrollsAsEachKeySays) {
  // Five rows of a twenty-entry list unless said otherwise.
  // clang-format off
  const KeyCase cases[] = {
      {"Up at the first entry",           kListKeyUp,       {0, 0, 5, 20},   false, 0, 0},
      {"Up without a selection",          kListKeyUp,       {-1, 0, 5, 20},  false, -1, 0},
      {"Up within the rows",              kListKeyUp,       {3, 0, 5, 20},   true, 2, 0},
      {"Up from the top row scrolls",     kListKeyUp,       {5, 5, 5, 20},   true, 4, 4},
      {"Down at the last entry",          kListKeyDown,     {19, 15, 5, 20}, false, 19, 15},
      {"Down within the rows",            kListKeyDown,     {2, 0, 5, 20},   true, 3, 0},
      {"Down from the last row scrolls",  kListKeyDown,     {4, 0, 5, 20},   true, 5, 1},
      {"Down without a selection",        kListKeyDown,     {-1, 0, 5, 20},  true, 0, 0},
      {"Page Up at the first entry",      kListKeyPageUp,   {0, 0, 5, 20},   false, 0, 0},
      {"Page Up below the top",           kListKeyPageUp,   {7, 5, 5, 20},   true, 5, 5},
      {"Page Up at the top",              kListKeyPageUp,   {5, 5, 5, 20},   true, 1, 1},
      {"Page Up near the start",          kListKeyPageUp,   {2, 2, 5, 20},   true, 0, 0},
      {"Page Down at the last entry",     kListKeyPageDown, {19, 15, 5, 20}, false, 19, 15},
      {"Page Down above the last row",    kListKeyPageDown, {2, 0, 5, 20},   true, 4, 0},
      {"Page Down at the last row",       kListKeyPageDown, {4, 0, 5, 20},   true, 8, 4},
      {"Page Down on the last page",      kListKeyPageDown, {17, 15, 5, 20}, true, 19, 15},
      {"Page Down past the end clamps",   kListKeyPageDown, {17, 13, 5, 20}, true, 19, 15},
      {"Page Down in a short list",       kListKeyPageDown, {0, 0, 5, 3},    true, 2, 0},
      {"Home at the first entry",         kListKeyHome,     {0, 0, 5, 20},   false, 0, 0},
      {"Home",                            kListKeyHome,     {12, 8, 5, 20},  true, 0, 0},
      {"End at the last entry",           kListKeyEnd,      {19, 15, 5, 20}, false, 19, 15},
      {"End",                             kListKeyEnd,      {3, 0, 5, 20},   true, 19, 15},
      {"End in a short list",             kListKeyEnd,      {0, 0, 5, 3},    true, 2, 0},
      {"Left does nothing",               kLeft,            {3, 0, 5, 20},   false, 3, 0},
      {"Right does nothing",              kRight,           {3, 0, 5, 20},   false, 3, 0},
      {"Tab is not a move",               kTab,             {3, 0, 5, 20},   false, 3, 0},
      {"A letter does nothing",           kLetterA,         {3, 0, 5, 20},   false, 3, 0},
      {"An empty list",                   kListKeyDown,     {-1, 0, 5, 0},   false, -1, 0},
  };
  // clang-format on
  for (const KeyCase& c : cases) {
    const HebListMove move = HebListKeyMove(c.key, c.state);
    EXPECT_EQ(c.moves, move.moves) << c.what;
    EXPECT_EQ(c.selected, move.selected) << c.what;
    EXPECT_EQ(c.top, move.top) << c.what;
  }
}

// However the list stands, a move selects an entry of the list and shows it.
TEST(HebListKeyMove, EveryMoveStaysInTheListAndShowsTheSelection) {
  const UINT keys[] = {kListKeyUp,       kListKeyDown, kListKeyPageUp,
                       kListKeyPageDown, kListKeyHome, kListKeyEnd};
  for (int count = 1; count <= 9; ++count) {
    for (int rows = 1; rows <= 4; ++rows) {
      for (int current = -1; current < count; ++current) {
        for (int top = 0; top < count; ++top) {
          for (UINT key : keys) {
            const HebListState state{current, top, rows, count};
            const HebListMove move = HebListKeyMove(key, state);
            if (!move.moves) continue;
            ASSERT_GE(move.selected, 0);
            ASSERT_LT(move.selected, count);
            ASSERT_LE(move.top, move.selected) << key << " " << current << " " << top;
            ASSERT_GE(move.top + rows - 1, move.selected) << key << " " << current << " " << top;
          }
        }
      }
    }
  }
}

TEST(HebListLastVisible, IsTheLastRowOrTheLastEntry) {
  EXPECT_EQ(4, HebListLastVisible({0, 0, 5, 20}));
  EXPECT_EQ(19, HebListLastVisible({0, 17, 5, 20}));
}

TEST(HebListCenteredTop, PutsTheSelectionInTheMiddleRow) {
  EXPECT_EQ(8, HebListCenteredTop(10, 5));
  EXPECT_EQ(8, HebListCenteredTop(10, 4));
  EXPECT_EQ(0, HebListCenteredTop(1, 5));
  EXPECT_EQ(0, HebListCenteredTop(-1, 5));
}

TEST(HebListVisibleRows, CountsWholeRowsAndAtLeastOne) {
  EXPECT_EQ(5, HebListVisibleRows(100, 20));
  EXPECT_EQ(4, HebListVisibleRows(99, 20));
  EXPECT_EQ(1, HebListVisibleRows(10, 20));
  EXPECT_EQ(1, HebListVisibleRows(100, 0));
}

}  // namespace
