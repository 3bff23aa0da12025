// The transliteration popup's runs, lines and placement, measured at ten
// pixels a character and sixteen a line.
#include "speech/core/TranslitLayout.h"

#include <gtest/gtest.h>

namespace TranslitLayout_test {

constexpr int kCharWidth = 10;
constexpr int kLine = 16;

int Width(const std::string& text) { return static_cast<int>(text.size()) * kCharWidth; }

std::vector<TranslitRun> Layout(const std::string& text, TranslitArea* area, int& lines) {
  std::vector<TranslitRun> runs;
  lines = LayoutTranslitRuns(text, Width, kLine, area, runs);
  return runs;
}

TEST(LayoutTranslitRuns, DrawsSyllablesJoinedAndWordsApart) {
  int lines = 0;
  const std::vector<TranslitRun> runs = Layout("-Sa*lom -qo*lam?", nullptr, lines);
  EXPECT_EQ(lines, 1);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].text, "Sa-");  // a syllable inside its word gets the joiner
  EXPECT_FALSE(runs[0].stressed);
  EXPECT_EQ(runs[1].text, "lom ");
  EXPECT_TRUE(runs[1].stressed);
  EXPECT_EQ(runs[3].text, "lam? ");  // the last run gets a blank
  EXPECT_EQ(runs[0].x, kCharWidth);  // a line begins after one blank
  EXPECT_EQ(runs[1].x, 4 * kCharWidth);
}

TEST(LayoutTranslitRuns, BreaksAtCarriageReturns) {
  int lines = 0;
  const std::vector<TranslitRun> runs = Layout("-Sa*lom\r\r-qo*lam", nullptr, lines);
  EXPECT_EQ(lines, 3);  // the second return leaves an empty line
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs[1].text, "lom ");
  EXPECT_EQ(runs[3].y, 2 * kLine);
  EXPECT_EQ(runs[3].x, kCharWidth);
}

struct BoundCase {
  const char* gloss;
  int width, height;
  int lines;  // 0: does not fit
  int usedWidth;
};

class LayoutInArea : public ::testing::TestWithParam<BoundCase> {};

TEST_P(LayoutInArea, WrapsAtWordsOnly) {
  const BoundCase& c = GetParam();
  TranslitArea area{100, 50, 100 + c.width, 50 + c.height};
  int lines = 0;
  Layout("-Sa*lom -qo*lam", &area, lines);
  EXPECT_EQ(lines, c.lines) << c.gloss;
  if (c.lines > 0) {
    EXPECT_EQ(area.Width(), c.usedWidth) << c.gloss;
    EXPECT_EQ(area.Height(), c.lines * kLine) << c.gloss;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, LayoutInArea,
    ::testing::Values(BoundCase{"one line", 300, 20, 1, 150},
                      BoundCase{"two lines", 100, 40, 2, 80},
                      BoundCase{"too low for two lines", 100, 20, 0, 0},
                      BoundCase{"a word would be split", 50, 100, 0, 0},
                      BoundCase{"lower than one line", 300, 10, 0, 0}));

TranslitPlacement Around(int pointX, bool byPoint) {
  TranslitPlacement p;
  p.byPoint = byPoint;
  p.hasPoint = true;
  p.pointX = pointX;
  p.pointY = 100;
  p.word = {pointX, 100, pointX + 60, 120};
  p.parent = {0, 0, 400, 300};
  return p;
}

TEST(PlaceTranslitPopup, PutsItsTopRightAtThePoint) {
  TranslitArea popup, text;
  ASSERT_TRUE(PlaceTranslitPopup("-Sa*lom", Width, kLine, Around(200, true), popup, text));
  EXPECT_EQ(popup.right, 200);
  EXPECT_EQ(popup.top, 100);
  EXPECT_EQ(popup.Width(), 80 + 2);
}

TEST(PlaceTranslitPopup, MovesToTheLeftEdgeBelowTheWord) {
  TranslitArea popup, text;
  ASSERT_TRUE(PlaceTranslitPopup("-Sa*lom", Width, kLine, Around(30, true), popup, text));
  EXPECT_EQ(popup.left, 0);
  EXPECT_EQ(popup.top, 120);
}

TEST(PlaceTranslitPopup, TakesTheWidestAreaAroundTheWord) {
  TranslitArea popup, text;
  TranslitPlacement p = Around(200, false);
  ASSERT_TRUE(PlaceTranslitPopup("-Sa*lom", Width, kLine, p, popup, text));
  EXPECT_EQ(popup.bottom, 100) << "above the word";
  EXPECT_EQ((popup.left + popup.right) / 2, 230) << "centred over the word";
  p.word.top = 0;  // no room above: below, the next widest
  ASSERT_TRUE(PlaceTranslitPopup("-Sa*lom", Width, kLine, p, popup, text));
  EXPECT_EQ(popup.top, 120);
}

TEST(PlaceTranslitPopup, ShowsNothingWhenTheTextFitsNowhere) {
  TranslitArea popup, text;
  const std::string wide = "-" + std::string(60, 'a');
  EXPECT_FALSE(PlaceTranslitPopup(wide, Width, kLine, Around(200, false), popup, text));
  EXPECT_FALSE(PlaceTranslitPopup(wide, Width, kLine, Around(200, true), popup, text));
}

}  // namespace TranslitLayout_test
