#include "speech/core/DescriptionLayout.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"

namespace description_layout_test {

using namespace HebCode;

TEST(DescriptionLayout, TallItemsMoveTheirButtonsDown) {
  for (int item = 0; item < 256; ++item) {
    const bool tall = item == Dagesh || item == Meteg || item == Het;
    EXPECT_EQ(tall, ExampleButtonsMoveDown(item)) << item;
  }
}

TEST(DescriptionLayout, ItemsReachingBelowTheLineIndentTheLinesTheirDescentCovers) {
  // An item 50 pixels above the line and 20 below it, beside lines 30 apart.
  struct Case {
    int item;
    int lines;
  } const cases[] = {
      // clang-format off
      {Meteg, 3},  {FinalKaf, 3},         {FinalNun, 3}, {FinalPe, 3}, {FinalTsadi, 3},
      {Qof, 3},    {FinalTsadiGeresh, 3}, {Qamats, 3},   {Shva, 3},    {HatafQamats, 3},
      {Holam, 2},  {HolamMale, 2},        {Bet, 2},      {Alef, 2},    {Lamed, 2},
      {Dagesh, 2}, {Tsadi, 2},            {FinalMem, 2},
      // clang-format on
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.lines, DescriptionIndentedLines(c.item, 50, 20, 30)) << c.item;
  EXPECT_EQ(1, DescriptionIndentedLines(Bet, 30, 10, 30));  // exactly one line
  EXPECT_EQ(1, DescriptionIndentedLines(Bet, 10, 5, 30));
  EXPECT_EQ(1, DescriptionIndentedLines(Qof, 0, 0, 0));  // no lines measured
}

TEST(DescriptionLayout, PopupsRiseByTheirPointsScaledToTheScreen) {
  struct Case {
    int points, on480, screen, raise;
  } const cases[] = {
      {kDescriptionPopupRaise, kDescriptionPopupRaiseOn480, 480, 22},
      {kDescriptionPopupRaise, kDescriptionPopupRaiseOn480, 768, 48},
      {kDescriptionPopupRaise, kDescriptionPopupRaiseOn480, 1080, 68},  // 67.5 rounds up
      {kTutorPopupRaise, kTutorPopupRaiseOn480, 480, 30},
      {kTutorPopupRaise, kTutorPopupRaiseOn480, 600, 28},  // 27.5 rounds up
      {kTutorPopupRaise, kTutorPopupRaiseOn480, 768, 35},  // 35.2
      {kTutorPopupRaise, kTutorPopupRaiseOn480, 1024, 47},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.raise, WordPopupRaise(c.points, c.on480, c.screen)) << c.points << " " << c.screen;
}

}  // namespace description_layout_test
