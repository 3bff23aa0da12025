#include "toolkit/core/KWTabLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kCharWidth = 7;

int FixedWidth(const CString& s) { return s.GetLength() * kCharWidth; }

std::vector<std::string> Fit(const std::vector<KWTabLabel>& tabs, const KWTabFitOptions& options) {
  std::vector<std::string> texts;
  for (const CString& s : KWFitTabLabels(tabs, options, FixedWidth)) texts.emplace_back(s);
  return texts;
}

TEST(KWTabClientArea, LeavesTheTabRowsOnTheirSide) {
  const CRect client(0, 0, 300, 200);
  const CSize tab(60, 20);
  struct {
    DWORD style;
    int rows;
    CRect area;
  } const cases[] = {
      {0, 1, CRect(3, 25, 297, 197)},
      {0, 2, CRect(3, 45, 297, 197)},
      {kKWTabBottomOrRight, 1, CRect(3, 3, 297, 175)},
      // Vertical tabs are as deep as the selected tab is wide.
      {kKWTabVertical, 1, CRect(65, 3, 297, 197)},
      {kKWTabVertical | kKWTabBottomOrRight, 2, CRect(3, 3, 175, 197)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KWTabClientArea(client, c.style, true, c.rows, tab), c.area) << c.style << " " << c.rows;
  EXPECT_EQ(KWTabClientArea(client, 0, false, 1, tab), CRect());
}

TEST(KWTabCycling, WrapsAtBothEnds) {
  struct {
    int selected, count, next, prev;
  } const cases[] = {
      {0, 3, 1, 2}, {1, 3, 2, 0}, {2, 3, 0, 1}, {0, 1, 0, 0}, {-1, 3, 0, 2}, {0, 0, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KWNextTab(c.selected, c.count), c.next) << c.selected << "/" << c.count;
    EXPECT_EQ(KWPrevTab(c.selected, c.count), c.prev) << c.selected << "/" << c.count;
  }
}

TEST(KWSelectionAfterDelete, PicksTheTabBeforeOrTheFirst) {
  struct {
    int deleted, remaining, selected;
  } const cases[] = {
      {0, 0, -1},  // the only tab
      {0, 2, 0},   // tab 0 of three
      {2, 2, 1},   // tab 2 of three
      {1, 2, 0},
      {7, 2, 1},   // an index past the end: the last tab
  };
  for (const auto& c : cases)
    EXPECT_EQ(KWSelectionAfterDelete(c.deleted, c.remaining), c.selected) << c.deleted << "/" << c.remaining;
}

TEST(KWFitTabLabels, ShortensTheWidestLabelsUntilTheTabsFit) {
  const std::vector<KWTabLabel> tabs = {{"Alphabetical"}, {"Bo"}};
  struct {
    int available;
    bool shorten;
    DWORD style;
    std::vector<std::string> shown;
  } const cases[] = {
      // 96 + 26 + 4 fits in 126 but not in 125; a cut takes the tab below its
      // width before (89).
      {126, true, 0, {"Alphabetical", "Bo"}},
      {125, true, 0, {"Alphabet...", "Bo"}},
      {100, true, 0, {"Alpha...", "Bo"}},
      // Vertical and multi-line controls keep one pixel more.
      {126, true, kKWTabVertical, {"Alphabet...", "Bo"}},
      {126, true, kKWTabMultiline, {"Alphabet...", "Bo"}},
      // Never below six average characters: "Alp..." is 6 x 7 + 12 wide.
      {10, true, 0, {"Alp...", "Bo"}},
      // Without shortening the full labels come back.
      {10, false, 0, {"Alphabetical", "Bo"}},
      // No length to fit in: nothing to do.
      {0, true, 0, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fit(tabs, {c.available, c.shorten, c.style, kCharWidth}), c.shown) << c.available;
}

TEST(KWFitTabLabels, WidthsCountImagesSingleCharactersAndAnEllipsisAlreadyThere) {
  struct {
    std::vector<KWTabLabel> tabs;
    int available;
    int avgChar;
    std::vector<std::string> shown;
  } const cases[] = {
      // An image adds 22: 96 + 22 + 4 = 122.
      {{{"Alphabetical", true}}, 122, kCharWidth, {"Alphabetical"}},
      {{{"Alphabetical", true}}, 121, kCharWidth, {"Alphabet..."}},
      // A one-character label is a pixel wider: 7 + 13 + 4 = 24.
      {{{"A"}}, 24, kCharWidth, {"A"}},
      // A label ending in "..." is cut in front of it.
      {{{"Find and replace..."}}, 130, kCharWidth, {"Find and repl..."}},
      // With no minimum to stop at, a label ends as "..." alone.
      {{{"Alphabetical"}}, 1, 0, {"..."}},
      // Equal widths (68 + 68 + 4): the first is cut first.
      {{{"Left tab"}, {"Righttab"}}, 139, kCharWidth, {"Left...", "Righttab"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fit(c.tabs, {c.available, true, 0, c.avgChar}), c.shown) << c.available;
}

TEST(KWPadLabel, AddsBlanksAlternatelyUntilRegularIsAsWide) {
  // Bold glyphs are a pixel wider than regular ones and a bold blank a pixel
  // narrower, so each blank closes one pixel of the gap.
  auto regular = [](const CString& s) { return s.GetLength() * 6; };
  auto bold = [](const CString& s) {
    int w = 0;
    for (int i = 0; i < s.GetLength(); ++i) w += s[i] == ' ' ? 5 : 7;
    return w;
  };
  struct {
    const char* label;
    const char* padded;
  } const cases[] = {
      {"", ""},
      {"A", " A"},        // 7 vs 6: one blank in front closes it
      {"Abc", "  Abc "},  // 21 vs 18: three blanks, front first
      {"Abcd", "  Abcd  "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::string(KWPadLabel(c.label, bold, regular)), c.padded) << c.label;
  // Blanks that close nothing of the gap stop the padding.
  auto wider = [](const CString& s) { return s.GetLength() * 8; };
  EXPECT_EQ(std::string(KWPadLabel("Ab", wider, regular)), " Ab");
}

}  // namespace
