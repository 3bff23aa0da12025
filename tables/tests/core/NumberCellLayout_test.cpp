// The number cell layout: one line when the text fits, else the smaller
// font over several lines broken at blanks, beyond three lines the smallest
// font; lines centred, the first clear of the figures.
#include "tables/core/NumberCellLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every byte as wide as its font says; heights per font.
class ByteWidthMeasurer : public NumberTextMeasurer {
 public:
  int Width(const char*, int length, NumberFont font) override { return length * kByteWidth[font]; }
  int LineHeight(NumberFont font) override { return kLineHeight[font]; }

  static constexpr int kByteWidth[] = {10, 8, 6};
  static constexpr int kLineHeight[] = {30, 22, 16};
};

constexpr RECT kSingleWordsRect{0, 53, 400, 133};
constexpr RECT kSequenceRect{200, 0, 390, 37};

// count words of ten bytes, one blank between them.
std::string TenByteWords(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? " " : "") + std::string(10, 'a' + i);
  return text;
}

using LineBreaks = std::vector<std::pair<int, int>>;  // start and length of each line

TEST(NumberCellLayout, FontAndLineBreaks) {
  struct Case {
    const char* name;
    std::string text;
    RECT cell;
    int reserved;
    bool sequence;
    NumberFont font;
    LineBreaks breaks;
  } const cases[] = {
      {"empty", "", kSingleWordsRect, 0, false, kNumberFontLarge, {}},
      {"fits large", TenByteWords(3), kSingleWordsRect, 0, false, kNumberFontLarge, {{0, 32}}},
      // 43 bytes: 430 > 394 at 13 points; at 10 points 344 fits the limit.
      {"one medium line",
       TenByteWords(4),
       kSingleWordsRect,
       0,
       false,
       kNumberFontMedium,
       {{0, 43}}},
      {"two medium lines",
       TenByteWords(6),
       kSingleWordsRect,
       0,
       false,
       kNumberFontMedium,
       {{0, 43}, {44, 21}}},
      // Four lines at 10 points are drawn at 7 with the same breaks.
      {"beyond three lines",
       TenByteWords(16),
       kSingleWordsRect,
       0,
       false,
       kNumberFontSmall,
       {{0, 43}, {44, 43}, {88, 43}, {132, 43}}},
      // 164 fits the sequence cell beside 20 of figures at 10 points.
      {"fits medium", std::string(18, 'x'), kSequenceRect, 20, true, kNumberFontMedium, {{0, 18}}},
      // The first line leaves room for the figures: limit 164, then 184.
      {"sequence lines",
       TenByteWords(5),
       kSequenceRect,
       20,
       true,
       kNumberFontSmall,
       {{0, 21}, {22, 21}, {44, 10}}},
      {"a word wider than the cell",
       std::string(40, 'x') + " " + TenByteWords(1),
       kSequenceRect,
       20,
       true,
       kNumberFontSmall,
       {{0, 40}, {41, 10}}},
      // No room at all: a word a line, none lost.
      {"no room",
       TenByteWords(3),
       RECT{0, 0, 10, 37},
       20,
       true,
       kNumberFontSmall,
       {{0, 10}, {11, 10}, {22, 10}}},
  };
  for (const auto& c : cases) {
    ByteWidthMeasurer measurer;
    const NumberCellLayout layout =
        LayOutNumberCell(c.text, c.cell, c.reserved, c.sequence, measurer);
    EXPECT_EQ(c.font, layout.font) << c.name;
    LineBreaks breaks;
    for (const auto& line : layout.lines) breaks.push_back({line.start, line.length});
    EXPECT_EQ(c.breaks, breaks) << c.name;
  }
}

TEST(NumberCellLayout, LinesAreCentredAndTheFirstClearsTheFigures) {
  ByteWidthMeasurer measurer;
  // Two medium lines of 344 and 168 in a cell 400 wide and 80 high.
  const NumberCellLayout single =
      LayOutNumberCell(TenByteWords(6), kSingleWordsRect, 0, false, measurer);
  ASSERT_EQ(2u, single.lines.size());
  EXPECT_EQ(344, single.lines[0].width);
  EXPECT_EQ(400 - (400 - 344 - 6) / 2, single.lines[0].rightTop.x);
  EXPECT_EQ(400 - (400 - 168 - 6) / 2, single.lines[1].rightTop.x);
  EXPECT_EQ(53 + (80 - 2 * 22) / 2, single.lines[0].rightTop.y);
  EXPECT_EQ(53 + (80 - 2 * 22) / 2 + 22, single.lines[1].rightTop.y);

  // A short sequence line would centre under the figures: it stops short
  // of them.
  const NumberCellLayout sequence =
      LayOutNumberCell(TenByteWords(1), kSequenceRect, 60, true, measurer);
  ASSERT_EQ(1u, sequence.lines.size());
  EXPECT_EQ(390 - 60 - 2, sequence.lines[0].rightTop.x);
  EXPECT_EQ((37 - 22) / 2, sequence.lines[0].rightTop.y);
}

}  // namespace
