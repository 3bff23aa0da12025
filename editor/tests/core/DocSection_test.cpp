#include "editor/core/DocSection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BalanceCase {
  const char* name;
  std::vector<int> heights;
  int columns;
  std::vector<int> counts;
  int tallest;
};

const BalanceCase kBalanceCases[] = {
    {"odd count: first of equal spreads", {10, 10, 10}, 2, {2, 1, 0, 0}, 20},
    {"even split", {10, 10, 10, 10}, 2, {2, 2, 0, 0}, 20},
    {"tall last line goes alone", {10, 10, 10, 40}, 2, {3, 1, 0, 0}, 40},
    {"no more lines than columns", {5, 30}, 3, {1, 1, 0, 0}, 30},
    {"three even columns", {10, 10, 10, 10, 10, 10}, 3, {2, 2, 2, 0}, 20},
    {"four columns, pattern order decides", {10, 10, 10, 10, 10}, 4, {2, 1, 1, 1}, 20},
    {"one column", {10, 20, 30}, 1, {3, 0, 0, 0}, 60},
};

class BalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceTest, Table) {
  const BalanceCase& c = GetParam();
  int counts[kMaxSectionColumns];
  int tallest = BalanceColumnHeights(c.heights.data(), static_cast<int>(c.heights.size()),
                                     c.columns, counts);
  EXPECT_EQ(std::vector<int>(counts, counts + kMaxSectionColumns), c.counts) << c.name;
  EXPECT_EQ(tallest, c.tallest) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, BalanceTest, ::testing::ValuesIn(kBalanceCases));

TEST(DocSectionTest, ColumnWidthsAndOffsetsFromEitherEdge) {
  DocSection section;
  section.columnCount = 3;
  section.gap = 12;
  EXPECT_EQ(section.ColumnWidth(600), 192);  // (600 - 24) / 3
  EXPECT_EQ(section.ColumnOffset(0, 600, 0), 0);
  EXPECT_EQ(section.ColumnOffset(2, 600, 0), 408);
  // The Hebrew side counts columns from the right edge.
  EXPECT_EQ(section.ColumnOffset(0, 600, 1), 408);
  EXPECT_EQ(section.ColumnOffset(2, 600, 1), 0);
}

TEST(DocSectionTest, SectionsWithoutRoomOrWithBadColumnCountsAreRefused) {
  DocSection section;
  section.gap = 10;
  for (int columns : {0, 5, -1}) {
    section.columnCount = columns;
    EXPECT_FALSE(section.IsValidFor(600)) << columns;
  }
  section.columnCount = 2;
  EXPECT_TRUE(section.IsValidFor(600));
  EXPECT_FALSE(section.IsValidFor(0));
  section.gap = 600;  // gutter as wide as the text
  EXPECT_FALSE(section.IsValidFor(600));
}

}  // namespace
