// The number view's cells: the single and sequence updates, the bounded
// cell text, the cells of each mode, hit-testing and the Ctrl+G walk.
#include "tables/core/NumberCells.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "lexicon/core/NumberWords.h"
#include "tables/tests/core/PointedHebrew.h"

namespace {

constexpr NumberWording kCardinalMasculine{0, 0};
constexpr NumberWording kCardinalFeminine{0, 1};
constexpr NumberWording kOrdinalMasculine{1, 0};

struct Cells {
  Cells() { std::memset(cells, 0, sizeof cells); }
  NumberCell cells[kNumberCells];
  LONG values[kSequenceCells] = {};
};

TEST(NumberCells, SingleModeSpellsTheDigitsInBothLanguages) {
  Cells view;
  UpdateSingleCells(view.cells, "3", kCardinalMasculine);
  EXPECT_STREQ("three", view.cells[kEnglishWordsCell].text);
  EXPECT_EQ(PointedHebrew("שְׁלֹשָׁה"), view.cells[kHebrewWordsCell].text);

  UpdateSingleCells(view.cells, "3", kCardinalFeminine);
  EXPECT_EQ(PointedHebrew("שָׁלֹשׁ"), view.cells[kHebrewWordsCell].text);

  UpdateSingleCells(view.cells, "3", kOrdinalMasculine);
  EXPECT_STREQ("third", view.cells[kEnglishWordsCell].text);
  EXPECT_EQ(PointedHebrew("שְׁלִישִׁי"), view.cells[kHebrewWordsCell].text);

  UpdateSingleCells(view.cells, "", kCardinalMasculine);
  EXPECT_STREQ("", view.cells[kEnglishWordsCell].text);
  EXPECT_STREQ("", view.cells[kHebrewWordsCell].text);
}

TEST(NumberCells, SequenceModeStepsTenNumbersFromTheStart) {
  struct Case {
    const char* digits;
    LONG interval;
    LONG first, last;
  } const cases[] = {
      {"1", 1, 1, 10}, {"5", 10, 5, 95}, {"0", 100, 0, 900}, {"9999", 1000, 9999, 18999}};
  for (const auto& c : cases) {
    Cells view;
    UpdateSequenceCells(view.cells, view.values, c.digits, c.interval, kCardinalFeminine);
    for (int i = 0; i < kSequenceCells; ++i) {
      EXPECT_EQ(c.first + c.interval * i, view.values[i]) << c.digits << " by " << c.interval;
      Cells single;
      UpdateSingleCells(single.cells, std::to_string(view.values[i]), kCardinalFeminine);
      EXPECT_STREQ(single.cells[kHebrewWordsCell].text, view.cells[i].text);
    }
    EXPECT_EQ(c.last, view.values[kSequenceCells - 1]);
  }
}

TEST(NumberCells, SequenceValuesBeyondALongStopAtItsLargest) {
  Cells view;
  UpdateSequenceCells(view.cells, view.values, "999999999999", 1000, kCardinalMasculine);
  EXPECT_EQ(std::numeric_limits<LONG>::max(), view.values[0]);
  EXPECT_EQ(std::numeric_limits<LONG>::max(), view.values[kSequenceCells - 1]);
  // The words still say the number; past the largest they say nothing.
  Cells single;
  UpdateSingleCells(single.cells, "999999999999", kCardinalMasculine);
  EXPECT_STREQ(single.cells[kHebrewWordsCell].text, view.cells[0].text);
  EXPECT_STREQ("", view.cells[1].text);
}

TEST(NumberCells, NoDigitsEmptiesTheSequenceAndKeepsItsValues) {
  Cells view;
  UpdateSequenceCells(view.cells, view.values, "2", 1, kCardinalMasculine);
  UpdateSequenceCells(view.cells, view.values, "", 1, kCardinalMasculine);
  for (int i = 0; i < kSequenceCells; ++i) {
    EXPECT_STREQ("", view.cells[i].text);
    EXPECT_EQ(2 + i, view.values[i]);
  }
}

// Twelve digits of the longest groups spell in full within the cell, in
// every language and wording; more than the words cover leaves it empty.
TEST(NumberCells, TheLongestTwelveDigitNumbersFitTheCell) {
  const double longest[] = {444444444444.0, 373377377377.0, 777777777777.0, 999999999999.0};
  for (int language : {kNumberEnglish, kNumberHebrew})
    for (int ordinal : {0, 1})
      for (int feminine : {0, 1})
        for (double value : longest) {
          NumberCell cell;
          SpellNumberCell(cell, value, language, NumberWording{ordinal, feminine});
          char roomy[4 * kNumberCellTextSize];
          NumberWordsOptions options;
          options.language = language;
          options.ordinal = ordinal;
          options.feminine = feminine;
          options.cleanUp = 1;
          NumberToWords(roomy, sizeof roomy, value, options);
          EXPECT_STREQ(roomy, cell.text) << value;
          EXPECT_LT(std::strlen(cell.text), static_cast<size_t>(kNumberCellTextSize / 2));
        }

  NumberCell cell;
  std::memset(cell.text, 'x', sizeof cell.text);
  SpellNumberCell(cell, 1000000000000.0, kNumberHebrew, kCardinalMasculine);
  EXPECT_STREQ("", cell.text);
}

TEST(NumberCells, EachModeHasItsOwnCells) {
  Cells view;
  for (int i = 0; i < kNumberCells; ++i) view.cells[i].rect = RECT{0, 40 * i, 100, 40 * i + 30};
  struct Case {
    bool sequence;
    int y;
    int hit;
  } const cases[] = {{true, 5, 0},   {true, 9 * 40 + 29, 9}, {true, 10 * 40, -1},
                     {true, 35, -1}, {false, 10 * 40, 10},   {false, 11 * 40, -1},
                     {false, 5, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(c.hit, HitTestNumberCells(view.cells, c.sequence, POINT{50, c.y}))
        << c.sequence << " " << c.y;

  // The English words answer for selection but are never clicked.
  view.cells[kEnglishWordsCell].selected = 1;
  EXPECT_EQ(kEnglishWordsCell, SelectedNumberCell(view.cells, false));
  EXPECT_EQ(-1, SelectedNumberCell(view.cells, true));
  view.cells[3].selected = 1;
  EXPECT_EQ(3, SelectedNumberCell(view.cells, true));
}

TEST(NumberCells, CtrlGWalksTheSequenceRoundAndStaysOnTheSingleWords) {
  struct Case {
    int selected;
    bool sequence;
    int next;
  } const cases[] = {{-1, true, 0},   {0, true, 1},    {8, true, 9},   {9, true, 0},
                     {-1, false, 10}, {10, false, 10}, {11, false, 10}};
  for (const auto& c : cases)
    EXPECT_EQ(c.next, NextNumberCell(c.selected, c.sequence)) << c.selected << " " << c.sequence;
}

}  // namespace
