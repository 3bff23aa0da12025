#include "toolkit/core/KWRecentCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(KWRecentCommands, ValueNamesCountFromOne) {
  EXPECT_STREQ(KWRecentValueName(1), "Item1");
  EXPECT_STREQ(KWRecentValueName(12), "Item12");
  EXPECT_STREQ(kKWRecentSection, "Recent Item List");
}

TEST(KWRecentCommands, UsedCommandMovesToTheHeadWithinTheCount) {
  struct {
    std::vector<UINT> before;
    UINT used;
    int count;
    std::vector<UINT> after;
  } const cases[] = {
      {{}, 7, 5, {7}},
      {{1, 2, 3}, 3, 5, {3, 1, 2}},
      {{1, 2, 3}, 1, 5, {1, 2, 3}},
      {{1, 2, 3, 4, 5}, 9, 5, {9, 1, 2, 3, 4}},
      {{1, 2, 3, 4, 5, 6}, 2, 3, {2, 1, 3}},
      {{1, 2}, 3, 0, {}},
  };
  for (const auto& c : cases) {
    std::vector<UINT> recent = c.before;
    KWPutRecentFirst(recent, c.used, c.count);
    EXPECT_EQ(recent, c.after) << c.used;
    EXPECT_EQ(KWIsRecent(recent, c.used), c.count > 0);
  }
  EXPECT_FALSE(KWIsRecent({1, 2}, 3));
}

}  // namespace
