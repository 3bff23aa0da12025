// Display mappings of the Hebrew code and the unpointed plene spelling.
#include "hebtext/core/HebrewDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "hebtext/tests/core/WrittenOut.h"

namespace {
using namespace HebCode;
using written::Out;
using written::PlainCodeWrittenAs;

TEST(HebrewDisplay, VowelVariantsShowAsThePlainPointTheyAreWrittenOutAs) {
  for (int c = 0; c < 256; ++c) {
    const bool writtenVowel = IsVowelCode(c) && !Out(c).units.empty();
    EXPECT_EQ(writtenVowel ? PlainCodeWrittenAs(Out(c).units) : c, VowelToDisplayPoint(c)) << c;
  }
}

TEST(HebrewDisplay, YodVariantsAndMaqafShowAsTheirGlyph) {
  // The yod variants are the program's own codes; their dagesh is shown.
  const std::map<int, int> shown = {{YodDouble, Yod},
                                    {YodVariantB, Yod},
                                    {YodDoubleDagesh, YodDagesh},
                                    {YodVariantBDagesh, YodDagesh},
                                    {Maqaf, Hyphen}};
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(shown.count(c) ? shown.at(c) : c, LetterToDisplayGlyph(c)) << c;
  }
}

TEST(HebrewDisplay, FinalKafTakesShvaAndQamatsIntoItsGlyph) {
  struct Case {
    int letter, vowel, glyph;
  };
  for (const Case& c :
       std::vector<Case>{{FinalKaf, NoVowel, FinalKaf},
                         {FinalKaf, ExplicitNoVowel, FinalKaf},
                         {FinalKaf, Shva, FinalKafShva},
                         {FinalKaf, VocalShva, FinalKafShva},
                         {FinalKaf, SilentShva, FinalKafShva},
                         {FinalKaf, Qamats, FinalKafQamats},
                         {FinalKaf, StressedQamats, FinalKafQamats},
                         {FinalKafShva, NoVowel, FinalKafShva},
                         {FinalKafShva, ExplicitNoVowel, FinalKaf},
                         {FinalKafQamats, Shva, FinalKafShva},
                         {FinalKafShva, Qamats, FinalKafQamats},
                         {FinalKafDagesh, NoVowel, FinalKafDagesh},
                         {FinalKafDagesh, ExplicitNoVowel, FinalKafDagesh},
                         {FinalKafDagesh, Shva, FinalKafDageshShva},
                         {FinalKafDagesh, StressedQamats, FinalKafDageshQamats},
                         {FinalKafDageshShva, Qamats, FinalKafDageshQamats},
                         {FinalKafDageshQamats, ExplicitNoVowel, FinalKafDagesh},
                         {FinalKaf, Hiriq, FinalKaf},  // no other vowel goes into the glyph
                         {FinalKafDageshShva, Patah, FinalKafDagesh}}) {
    EXPECT_EQ(c.glyph, FinalKafGlyph(c.letter, c.vowel)) << c.letter << " with " << c.vowel;
  }
}

struct PleneBuffer {
  explicit PleneBuffer(const PointedWord& word, int capacity)
      : letters(capacity, 0xEE), vowels(capacity, 0xEE) {
    std::copy(word.letters.begin(), word.letters.end() - 1, letters.begin());
    std::copy(word.vowels.begin(), word.vowels.end() - 1, vowels.begin());
  }
  std::vector<BYTE> letters, vowels;
};

TEST(HebrewDisplay, PleneAddsAVavForShurukAndHolamMale) {
  const PointedWord word{{Qof, Shuruk}, {Mem, 0}, {DaletDagesh, HolamMale}, {ShinShinDot, Hiriq}};
  PleneBuffer buffer(word, 10);
  ASSERT_EQ(6, InsertHebrewChar(buffer.letters.data(), buffer.vowels.data(), 4, 10));
  EXPECT_EQ((std::vector<BYTE>{Qof, Vav, Mem, Dalet, Vav, Shin, 0}),
            std::vector<BYTE>(buffer.letters.begin(), buffer.letters.begin() + 7));
  EXPECT_EQ(std::vector<BYTE>(6, NoVowel),
            std::vector<BYTE>(buffer.vowels.begin(), buffer.vowels.begin() + 6));
  EXPECT_EQ(0xEE, buffer.vowels[6]) << "nothing written past the new count";
}

TEST(HebrewDisplay, PleneDropsDageshDotsAndTurnsAShurukLetterIntoVav) {
  const PointedWord word{{BetDagesh, Qamats},
                         {ShinShinDotDagesh, 0},
                         {ShinSinDotDagesh, Holam},
                         {Shuruk, 0},
                         {ShinDagesh, 0}};
  PleneBuffer buffer(word, 6);
  ASSERT_EQ(5, InsertHebrewChar(buffer.letters.data(), buffer.vowels.data(), 5, 6));
  EXPECT_EQ((std::vector<BYTE>{Bet, Shin, Shin, Vav, Shin, 0}), buffer.letters);
}

TEST(HebrewDisplay, PleneNeverWritesPastTheBuffer) {
  const PointedWord word{{Qof, Shuruk}, {Mem, HolamMale}, {Dalet, HolamMale}};
  for (int capacity = 1; capacity <= 7; ++capacity) {
    PleneBuffer buffer(word, 8);
    const PleneBuffer before = buffer;
    const int count = InsertHebrewChar(buffer.letters.data(), buffer.vowels.data(),
                                         std::min(3, capacity), capacity);
    EXPECT_LE(count, capacity - 1);
    EXPECT_EQ(0, buffer.letters[count]);
    for (int i = capacity; i < 8; ++i) {
      EXPECT_EQ(before.letters[i], buffer.letters[i]) << "capacity " << capacity;
      EXPECT_EQ(before.vowels[i], buffer.vowels[i]) << "capacity " << capacity;
    }
  }
}

}  // namespace
