#include "toolkit/core/KWToolBarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kButton = 23;
constexpr int kHeight = 22;
constexpr int kSep = 8;

// A bar from a pattern: 'b' a button, 's' a separator, 'c' a separator
// hosting a control 60 wide, 'h' a hidden button.
std::vector<KWToolButton> Bar(const std::string& pattern) {
  std::vector<KWToolButton> buttons;
  for (char c : pattern) {
    KWToolButton b;
    b.cy = kHeight;
    b.cx = c == 's' ? kSep : c == 'c' ? 60 : kButton;
    b.bSeparator = c == 's' || c == 'c';
    b.bControlHost = c == 'c';
    b.bHidden = c == 'h';
    buttons.push_back(b);
  }
  return buttons;
}

// The wrap marks as a pattern: '|' after each item that ends a row.
std::string Wraps(const std::vector<KWToolButton>& buttons) {
  std::string s;
  for (const KWToolButton& b : buttons) s += b.bWrap ? "|" : ".";
  return s;
}

TEST(KWWrapToolBar, WrapsAtSeparatorsThenButtonsNeverAtControlHosts) {
  struct {
    const char* pattern;
    int width;
    int rows;
    const char* wraps;
  } const cases[] = {
      {"bbb", 1000, 1, "..."},
      {"bbb", 69, 1, "..."},
      {"bbb", 68, 2, ".|."},
      // The separator before the button that does not fit ends the row.
      {"bsbb", 60, 2, ".|.."},
      {"bsbbsbb", 80, 3, ".|..|.."},
      // A control host is no wrap point: the row ends at the button before it.
      {"bbcb", 120, 2, ".|.."},
      {"bcb", 100, 2, "|.."},
      // Hidden buttons take no room and are never wrapped at.
      {"bhbb", 50, 2, "..|."},
      // A button wider than the width alone in its row overflows.
      {"b", 10, 1, "."},
      {"bb", 0, 2, "|."},
  };
  for (const auto& c : cases) {
    auto buttons = Bar(c.pattern);
    EXPECT_EQ(KWWrapToolBar(buttons, c.width), c.rows) << c.pattern << " " << c.width;
    EXPECT_EQ(Wraps(buttons), c.wraps) << c.pattern << " " << c.width;
  }
}

TEST(KWCalcToolBarSize, RowsAndSeparatorGaps) {
  struct {
    const char* pattern;
    int width;
    int cx;
    int cy;
  } const cases[] = {
      {"bsb", 1000, 54, 22},
      // A wrapping separator leaves a gap as high as it is wide.
      {"bsb", 40, 23, 22 + 8 + 22},
      // A separator alone in its row still takes a row as high as a button.
      {"bsb", 0, 23, 22 + 22 + 8 + 22},
      {"bbsbbsbb", 46, 46, 22 + 22 + 8 + 22 + 22 + 8 + 22},
      {"bb", 30, 23, 44},
      {"bhb", 1000, 46, 22},
      {"", 1000, 0, 0},
  };
  for (const auto& c : cases) {
    auto buttons = Bar(c.pattern);
    KWWrapToolBar(buttons, c.width);
    CSize size = KWCalcToolBarSize(buttons);
    EXPECT_EQ(size.cx, c.cx) << c.pattern;
    EXPECT_EQ(size.cy, c.cy) << c.pattern;
  }
}

TEST(KWSizeToolBar, BisectsToTheNarrowestWrapping) {
  struct {
    const char* pattern;
    int length;
    bool vert;
    int cx;
    int cy;
  } const cases[] = {
      {"bbbbbb", 32767, false, 138, 22},
      // Width 100 gives two rows of four and two; three buttons a row keep two rows.
      {"bbbbbb", 100, false, 69, 44},
      // Vertically: the narrowest rows whose height fits.
      {"bbbbbb", 1000, true, 23, 132},
      {"bbsbb", 1000, true, 23, 4 * 22 + 22 + 8},
      {"bbbbbb", 50, true, 69, 44},
      // Nothing fits: the widest single row.
      {"bbbbbb", 10, true, 138, 22},
  };
  for (const auto& c : cases) {
    auto buttons = Bar(c.pattern);
    CSize size = KWSizeToolBar(buttons, c.length, c.vert);
    EXPECT_EQ(size.cx, c.cx) << c.pattern << " " << c.length << " " << c.vert;
    EXPECT_EQ(size.cy, c.cy) << c.pattern << " " << c.length << " " << c.vert;
  }
}

std::string Hidden(const std::vector<KWToolButton>& buttons) {
  std::string s;
  for (const KWToolButton& b : buttons) s += b.bHidden ? "h" : "b";
  return s;
}

TEST(KWHideButtonsToFit, HidesFromTheEndUntilTheRowFitsLessTheChevron) {
  KWRowMetrics metrics;
  metrics.nInsideBorders = 19;
  // Six buttons: 138 + 19 = 157 long.
  struct {
    int available;
    const char* after;
    std::vector<int> hidden;
  } const cases[] = {
      {157, "bbbbbb", {}},
      // 40 too short: with the chevron's 13 the row must be at most 104.
      {117, "bbbhhh", {3, 4, 5}},
      {140, "bbbbhh", {4, 5}},
      // Never the last visible button.
      {10, "bhhhhh", {1, 2, 3, 4, 5}},
  };
  for (const auto& c : cases) {
    auto buttons = Bar("bbbbbb");
    EXPECT_EQ(KWHideButtonsToFit(buttons, 157, c.available, metrics), c.hidden) << c.available;
    EXPECT_EQ(Hidden(buttons), c.after) << c.available;
  }
}

TEST(KWShowHiddenButtons, UnhidesInOrderUntilTheNextDoesNotFit) {
  KWRowMetrics metrics;
  metrics.nInsideBorders = 19;
  struct {
    int available;
    const char* after;
    std::vector<int> shown;
  } const cases[] = {
      {117, "bbbhhh", {}},
      // The limit is 150 - 13 while more than one is hidden: four buttons
      // with the chevron take 92 + 19 + 13 = 124, five 147.
      {150, "bbbbhh", {3}},
      {175, "bbbbbb", {3, 4, 5}},
  };
  for (const auto& c : cases) {
    auto buttons = Bar("bbbhhh");
    EXPECT_EQ(KWShowHiddenButtons(buttons, {3, 4, 5}, c.available, metrics), c.shown)
        << c.available;
    EXPECT_EQ(Hidden(buttons), c.after) << c.available;
  }
  // One hidden button may take the chevron's room.
  auto buttons = Bar("bbbbbh");
  EXPECT_EQ(KWShowHiddenButtons(buttons, {5}, 157, metrics), std::vector<int>{5});
}

TEST(KWRowLength, AddsTheChevronOnlyWhileButtonsAreHiddenOrCustomisable) {
  KWRowMetrics metrics;
  metrics.nInsideBorders = 10;
  EXPECT_EQ(KWRowLength(Bar("bb"), metrics), 56);
  EXPECT_EQ(KWRowLength(Bar("bbh"), metrics), 69);
  metrics.bCustomize = true;
  EXPECT_EQ(KWRowLength(Bar("bb"), metrics), 69);
  metrics.bChevron = false;
  EXPECT_EQ(KWRowLength(Bar("bbh"), metrics), 56);
  metrics = KWRowMetrics();
  metrics.bHorz = false;
  EXPECT_EQ(KWRowLength(Bar("bb"), metrics), 44);
}

TEST(KWChevronPosition, EndOfTheRowNeverBeforeTheFirstButton) {
  struct {
    int length;
    bool horz;
    bool rebar;
    int x;
    int y;
  } const cases[] = {
      {200, true, false, 200 - 12 - 19, 1},
      {200, true, true, 200 - 12, 1},
      {200, false, false, 1, 200 - 14 - 19},
      {30, true, false, 23, 1},
  };
  for (const auto& c : cases) {
    CPoint pt = KWChevronPosition(c.length, c.horz, 19, c.rebar, kButton);
    EXPECT_EQ(pt.x, c.x) << c.length << c.horz << c.rebar;
    EXPECT_EQ(pt.y, c.y) << c.length << c.horz << c.rebar;
  }
}

}  // namespace
