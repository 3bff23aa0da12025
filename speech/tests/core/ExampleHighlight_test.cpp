#include "speech/core/ExampleHighlight.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "speech/core/ItemDescriptions.h"

namespace example_highlight_test {

using namespace HebCode;

TEST(ExampleHighlight, ColoursFollowTheItemKindAndTheSpelling) {
  struct Case {
    int item;
    bool full;
    COLORREF letter, point;
  } const cases[] = {
      {Bet, false, kExampleRed, kExampleNavy},        {Bet, true, kExampleRed, kExampleNavy},
      {FinalKaf, false, kExampleRed, kExampleNavy},   {Qamats, false, kExampleNavy, kExampleRed},
      {Qamats, true, kExampleRed, kExampleNavy},      {HolamMale, true, kExampleRed, kExampleNavy},
      {Meteg, false, kExampleNavy, kExampleRed},      {Meteg, true, kExampleNavy, kExampleNavy},
      {Dagesh, false, kExampleRed, kExampleNavy},     {Dagesh, true, kExampleNavy, kExampleNavy},
      {HatafPatah, false, kExampleNavy, kExampleRed},
  };
  for (const Case& c : cases) {
    const ExampleColors colors = GetExampleHighlightColors(c.item, c.full);
    EXPECT_EQ(c.letter, colors.letter) << c.item << " " << c.full;
    EXPECT_EQ(c.point, colors.point) << c.item << " " << c.full;
  }
}

// Every example of every item, pointed, highlights a position that shows
// its item, at or after its digit.
TEST(ExampleHighlight, EveryPointedExampleHighlightsItsItem) {
  int examples = 0;
  for (int item = 0; item < 256; ++item) {
    ItemDescription description;
    if (!GetItemDescription(item, description)) continue;
    for (const DescriptionExample& example : description.examples) {
      BYTE letters[64] = {}, vowels[64] = {};
      const int count = SplitLettersAndVowels(example.word.c_str(), letters, vowels, 64, 0);
      const int at =
          GetExampleHighlightPosition(item, example.position, letters, vowels, count, false);
      EXPECT_EQ(example.position, at) << item << " " << example.meaning;
      ++examples;
    }
  }
  EXPECT_EQ(3 * 39 + 6 * 8, examples);
}

TEST(ExampleHighlight, SearchesOnFromTheStartAndKeepsItWhenNothingShows) {
  // bet-dagesh patah, bet qamats: a bet from position 1 is the second.
  const BYTE letters[] = {BetDagesh, Alef, Bet, 0};
  const BYTE vowels[] = {Patah, Qamats, Qamats, 0};
  struct Case {
    int item, start;
    bool full;
    int at;
  } const cases[] = {
      {Bet, 0, false, 0},    {Bet, 1, false, 2},
      {Bet, 1, true, 2},     {Qamats, 0, false, 1},  // the first qamats
      {Qamats, 1, true, 1},  // full spelling has no points to search: the start stays
      {Shin, 0, false, 0},   // no shin: the start stays
      {Dagesh, 0, false, 0}, {Meteg, 2, false, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.at, GetExampleHighlightPosition(c.item, c.start, letters, vowels, 3, c.full))
        << c.item << " " << c.start << " " << c.full;
}

}  // namespace example_highlight_test
