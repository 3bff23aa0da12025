#include "toolkit/core/KWPersonalMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A menu written as letters: 'c' a common command, 'r' a rarely used one,
// '-' a separator, '>' the chevron item.
std::vector<KWPersonalItem> Menu(const std::string& shape) {
  std::vector<KWPersonalItem> items;
  UINT id = 100;
  for (char ch : shape) {
    KWPersonalItem item;
    item.id = ch == '>' ? kKWFullMenusCommand : ch == '-' ? 0 : id++;
    item.separator = ch == '-';
    item.flags = ch == 'r' ? kKWRarelyUsed : 0;
    items.push_back(item);
  }
  return items;
}

// The menu after its positions are taken out, in the same letters.
std::string Collapsed(const std::string& shape) {
  std::string shown = shape;
  for (int position : KWPlanHiddenItems(Menu(shape))) shown.erase(position, 1);
  return shown;
}

TEST(KWPersonalMenu, RareItemsGoAndAdjacentSeparatorsCollapse) {
  struct {
    const char* shape;
    const char* shown;
  } const cases[] = {
      {"ccc", "ccc"},
      {"crc", "cc"},
      {"c-rr-c", "c-c"},
      {"c-r-r-c>", "c-c>"},
      {"c--c", "c-c"},
      {"rrr", ""},
      {"c-r", "c-"},
  };
  for (const auto& c : cases) EXPECT_EQ(Collapsed(c.shape), c.shown) << c.shape;
}

TEST(KWPersonalMenu, PositionsComeLastFirst) {
  std::vector<int> positions = KWPlanHiddenItems(Menu("crc-rr-c"));
  // The upper of two separators that meet goes.
  EXPECT_EQ(positions, (std::vector<int>{5, 4, 3, 1}));
}

TEST(KWPersonalMenu, RunEndsAreMarkedAgainstCommonNeighbours) {
  std::vector<KWPersonalItem> items = Menu("rcrrcr>");
  KWMarkRareRuns(items);
  const UINT expected[] = {kKWRareRunLast, 0, kKWRareRunFirst, kKWRareRunLast, 0,
                           kKWRareRunFirst | kKWRareRunLast, 0};
  for (size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].flags & ~kKWRarelyUsed, expected[i]) << i;
}

TEST(KWPersonalMenu, ChevronOnlyWhenSomethingHidesAndNeverTwice) {
  struct {
    const char* shape;
    bool expanded, force;
    bool remove, add;
  } const cases[] = {
      {"crc", false, false, false, true},
      {"crc>", false, false, false, false},  // already there
      {"ccc", false, false, false, false},   // nothing hidden
      {"ccc>", false, false, false, false},  // stays until the menu is shown in full
      {"crc>", true, false, true, false},    // full menus drop it
      {"crc", true, false, false, false},
      {"c>rc", false, false, true, true},    // strayed from the end: moved there
      {"c>cc", false, false, true, false},
      {"crc>", false, true, true, true},     // forced: put back afresh
  };
  for (const auto& c : cases) {
    KWChevronChange change = KWPlanChevron(Menu(c.shape), c.expanded, c.force);
    EXPECT_EQ(change.remove, c.remove) << c.shape;
    EXPECT_EQ(change.add, c.add) << c.shape;
  }
  EXPECT_FALSE(KWHasHiddenItems(Menu("cc>")));
}

}  // namespace
