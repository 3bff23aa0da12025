// The program's font families and their per-letter point positions.
#include "hebtext/core/HebrewFontFamily.h"

#include <gtest/gtest.h>

#include <vector>

#include "hebtext/core/HebChar.h"

namespace {
using namespace HebCode;

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
  struct Row {
    std::vector<int> letters;
    int f146, f2, f3, f5;
  };
  const std::vector<Row> table{
      {{Alef}, 0, 40, 0, 0},
      {{Gimel, GimelDagesh}, 0, 0, 45, 0},
      {{Dalet, DaletDagesh}, 35, 15, 35, 35},
      {{He, HeMappiq}, 0, 40, 0, 0},
      {{Vav}, 35, 15, 35, 0},
      {{VavDagesh}, 35, 15, 35, 48},
      {{Zayin}, 55, 55, 35, 55},
      {{ZayinDagesh}, 0, 0, 35, 0},
      {{Yod}, 60, 60, 60, 55},
      {{YodDagesh}, 60, 60, 60, 45},
      {{Kaf, KafDagesh}, 0, 0, 60, 60},
      {{Lamed, LamedDagesh}, 65, 40, 70, 60},
      {{Mem, MemDagesh}, 0, 45, 0, 0},
      {{Samekh, SamekhDagesh}, 0, 45, 0, 0},
      {{Ayin}, 45, 35, 45, 45},
      {{Pe, PeDagesh}, 0, 0, 0, 55},
      {{Qof, QofDagesh}, 47, 30, 45, 45},
      {{Resh}, 20, 20, 25, 27},
      {{Shin, ShinDagesh, ShinShinDotDagesh, ShinShinDot, ShinSinDot, ShinSinDotDagesh},
       62,
       62,
       55,
       0},
      {{GimelGeresh, GimelGereshDagesh}, 0, 45, 40, 40},
      {{ZayinGeresh}, 40, 35, 30, 35},
      {{TsadiGeresh}, 0, 45, 0, 40},
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
  struct Case {
    int letter, w, v, family, percent, offset;
  };
  for (const Case& c : std::vector<Case>{
           {Lamed, 20, 6, 1, 65, 16},  // centre 13, left edge 13 + 3
           {Yod, 10, 4, 3, 60, 8},     // centre 6, left edge 6 + 2
           {Resh, 20, 10, 2, 20, 10},  // centre 4 sticks out by a pixel: flush right
           {Resh, 20, 9, 1, 20, 8},    // sticks out by half a pixel: stays
           {Shin, 20, 16, 1, 0, 20},   // reaches the letter's left edge: centred by the caller
       }) {
    int offset = -1;
    EXPECT_EQ(c.percent, GetVowelOffsetPercent(c.letter, c.w, c.v, &offset, c.family)) << c.letter;
    EXPECT_EQ(c.offset, offset) << c.letter;
  }
}

TEST(HebrewFontFamily, OffsetIsLeftAloneWithoutAnEntry) {
  int offset = 1234;
  EXPECT_EQ(0, GetVowelOffsetPercent(Bet, 20, 6, &offset, 1));
  EXPECT_EQ(0, GetVowelOffsetPercent(Lamed, 20, 6, &offset, 0));
  EXPECT_EQ(1234, offset);
}

}  // namespace
