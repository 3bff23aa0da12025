// The program's font families and their per-letter point positions.
#include "hebtext/core/HebrewFontFamily.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(HebrewFontFamily, FacesAreRecognisedIgnoringCase) {
  EXPECT_EQ(1, HebrewFontFamilyOfFace("Pomlar Sephardi 2"));
  EXPECT_EQ(2, HebrewFontFamilyOfFace("POMLAR STAM 2"));
  EXPECT_EQ(3, HebrewFontFamilyOfFace("pomlar david 2"));
  EXPECT_EQ(4, HebrewFontFamilyOfFace("Pomlar Velira 2"));
  EXPECT_EQ(5, HebrewFontFamilyOfFace("Pomlar Noam 2"));
  EXPECT_EQ(6, HebrewFontFamilyOfFace("Pomlar Cursiva 2"));
  EXPECT_EQ(0, HebrewFontFamilyOfFace("Pomlar Cursiva"));
  EXPECT_EQ(0, HebrewFontFamilyOfFace("Arial"));
  EXPECT_EQ(0, HebrewFontFamilyOfFace(""));
  EXPECT_EQ(0, HebrewFontFamilyOfFace(nullptr));
  EXPECT_EQ(1, StressMarkFamilyOfFace("pomlar sephardi 2"));
  EXPECT_EQ(2, StressMarkFamilyOfFace("Pomlar Stam 2"));
  EXPECT_EQ(0, StressMarkFamilyOfFace("Pomlar David 2"));
}

// The table's percentage for (letter, family), read back with a letter so
// wide that the mark always fits where the table puts it.
int Percent(int letter, int family) {
  int offset = -1;
  return GetVowelOffsetPercent(letter, 1000, 10, &offset, family);
}

TEST(HebrewFontFamily, PositionTableByFamily) {
  struct Row { std::vector<int> letters; int f146, f2, f3, f5; };
  const std::vector<Row> table{
      {{224}, 0, 40, 0, 0},          {{226, 162}, 0, 0, 45, 0},
      {{227, 163}, 35, 15, 35, 35},  {{228, 164}, 0, 40, 0, 0},
      {{229}, 35, 15, 35, 0},        {{165}, 35, 15, 35, 48},
      {{230}, 55, 55, 35, 55},       {{166}, 0, 0, 35, 0},
      {{233}, 60, 60, 60, 55},       {{169}, 60, 60, 60, 45},
      {{235, 171}, 0, 0, 60, 60},    {{236, 172}, 65, 40, 70, 60},
      {{238, 174}, 0, 45, 0, 0},     {{241, 177}, 0, 45, 0, 0},
      {{242}, 45, 35, 45, 45},       {{244, 180}, 0, 0, 0, 55},
      {{247, 184}, 47, 30, 45, 45},  {{248}, 20, 20, 25, 27},
      {{249, 185, 208, 209, 210, 211}, 62, 62, 55, 0},
      {{220, 218}, 0, 45, 40, 40},   {{221}, 40, 35, 30, 35},
      {{223}, 0, 45, 0, 40},
  };
  std::vector<int> listed(256, 0);
  for (const Row& row : table) {
    for (int letter : row.letters) {
      listed[letter] = 1;
      for (int family : {1, 4, 6}) EXPECT_EQ(row.f146, Percent(letter, family)) << letter;
      EXPECT_EQ(row.f2, Percent(letter, 2)) << letter;
      EXPECT_EQ(row.f3, Percent(letter, 3)) << letter;
      EXPECT_EQ(row.f5, Percent(letter, 5)) << letter;
      EXPECT_EQ(0, Percent(letter, 0)) << letter;
      EXPECT_EQ(0, Percent(letter, 7)) << letter;
    }
  }
  for (int code = 0; code < 256; ++code) {
    if (listed[code]) continue;
    for (int family = 0; family <= 6; ++family) EXPECT_EQ(0, Percent(code, family)) << code;
  }
}

TEST(HebrewFontFamily, OffsetIsTheMarksLeftEdgeFromTheLettersRightEdge) {
  struct Case { int letter, w, v, family, percent, offset; };
  for (const Case& c : std::vector<Case>{
           {236, 20, 6, 1, 65, 16},   // centre 13, left edge 13 + 3
           {233, 10, 4, 3, 60, 8},    // centre 6, left edge 6 + 2
           {248, 20, 10, 2, 20, 10},  // centre 4 sticks out by a pixel: flush right
           {248, 20, 9, 1, 20, 8},    // sticks out by half a pixel: stays
           {249, 20, 16, 1, 0, 20},   // reaches the letter's left edge: centred by the caller
       }) {
    int offset = -1;
    EXPECT_EQ(c.percent, GetVowelOffsetPercent(c.letter, c.w, c.v, &offset, c.family)) << c.letter;
    EXPECT_EQ(c.offset, offset) << c.letter;
  }
}

TEST(HebrewFontFamily, OffsetIsLeftAloneWithoutAnEntry) {
  int offset = 1234;
  EXPECT_EQ(0, GetVowelOffsetPercent(225, 20, 6, &offset, 1));
  EXPECT_EQ(0, GetVowelOffsetPercent(236, 20, 6, &offset, 0));
  EXPECT_EQ(1234, offset);
}

}  // namespace
