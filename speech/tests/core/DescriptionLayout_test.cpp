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

TEST(DescriptionLayout, ItemsReachingBelowTheFirstLineIndentTwoLines) {
  struct Case {
    int item;
    int lines;
  } const cases[] = {
      {Meteg, 2},
      {FinalKaf, 2},
      {FinalNun, 2},
      {FinalPe, 2},
      {FinalTsadi, 2},
      {Qof, 2},
      {FinalTsadiGeresh, 2},
      {Qamats, 2},
      {Shva, 2},
      {HatafQamats, 2},
      {Holam, 1},
      {HolamMale, 1},
      {Bet, 1},
      {Alef, 1},
      {Lamed, 1},
      {Dagesh, 1},
      {Tsadi, 1},
      {FinalMem, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.lines, DescriptionIndentedLines(c.item)) << c.item;
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
