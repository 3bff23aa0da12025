#include "shell/core/DockSizes.h"

#include <gtest/gtest.h>

namespace docksizes {
namespace {

TEST(DockSizesTest, DefaultSizesSplitTheAreaInThirdsAndHalves) {
  struct Case {
    int width, height;
    Size grammar, other;
  };
  const Case cases[] = {{1024, 768, {512, 512}, {512, 256}},
                        {1920, 1080, {960, 720}, {960, 360}},
                        {1001, 1000, {501, 667}, {501, 333}}};
  for (const Case& c : cases) {
    const DefaultSizes sizes = FromArea(c.width, c.height);
    EXPECT_EQ(c.grammar, sizes.grammarTables) << c.width << "x" << c.height;
    EXPECT_EQ(c.other, sizes.lookupWindow);
    EXPECT_EQ(c.other, sizes.keyboardGuides);
  }
}

TEST(DockSizesTest, ResetSizesLeaveOutTheToolbarRow) {
  const DefaultSizes sizes = FromClientArea(1000, 0, 700, 100);  // 600 high below the bars
  EXPECT_EQ((Size{500, 400}), sizes.grammarTables);
  EXPECT_EQ((Size{500, 200}), sizes.lookupWindow);
}

FullViewState Unchanged() {
  FullViewState state;
  state.window = {410, 310};
  state.viewClient = {400, 280};
  state.totalScroll = {400, 280};
  state.recorded = {300, 200};
  state.lastFull = {410, 310};
  state.tab = 1;
  state.lastFullTab = 1;
  state.floating = 0;
  state.lastFullFloating = 0;
  return state;
}

TEST(DockSizesTest, FullViewAgainOnAnUnchangedWindowRestoresTheUsersSize) {
  const FullViewTarget target = TargetOf(Unchanged());
  EXPECT_TRUE(target.restore);
  EXPECT_EQ((Size{299, 199}), target.size);
}

TEST(DockSizesTest, FullViewAfterAChangeShowsTheWholeTable) {
  struct Case {
    const char* what;
    void (*change)(FullViewState&);
    Size expected;
  };
  const Case cases[] = {
      {"resized by the user",
       [](FullViewState& s) {
         s.window = {350, 250};
         s.viewClient = {340, 220};
       },
       {410, 310}},
      {"one pixel off still counts as unchanged, another tab does not",
       [](FullViewState& s) {
         s.window.cx += 1;
         s.viewClient.cx += 1;
         s.tab = 2;
       },
       {410, 310}},
      {"floated", [](FullViewState& s) { s.floating = 1; }, {410, 310}},
      // A vertical bar 16 wide: height from the total less the bar, plus one.
      {"vertical scroll bar",
       [](FullViewState& s) {
         s.scrollBars = {16, 0};
         s.totalScroll = {400, 500};
       },
       {410, 500 - 16 + 30 + 1}},
      {"horizontal scroll bar",
       [](FullViewState& s) {
         s.scrollBars = {0, 16};
         s.totalScroll = {600, 280};
       },
       {600 - 16 + 10 + 1, 310}},
  };
  for (const Case& c : cases) {
    FullViewState state = Unchanged();
    c.change(state);
    const FullViewTarget target = TargetOf(state);
    EXPECT_FALSE(target.restore) << c.what;
    EXPECT_EQ(c.expected, target.size) << c.what;
  }
}

}  // namespace
}  // namespace docksizes
