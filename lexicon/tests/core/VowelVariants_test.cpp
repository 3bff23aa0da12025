#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/VowelVariants.h"

namespace {

using namespace HebCode;

HebWordRec Word(const std::vector<std::pair<int, int>>& positions) {
  HebWordRec word = {};
  for (size_t i = 0; i < positions.size(); ++i) {
    word.letters[i] = static_cast<BYTE>(positions[i].first);
    word.vowels[i] = static_cast<BYTE>(positions[i].second);
  }
  return word;
}

std::vector<int> Vowels(const HebWordRec& word) {
  std::vector<int> vowels;
  for (int i = 0; word.letters[i] != 0; ++i) vowels.push_back(word.vowels[i]);
  return vowels;
}

// Four variable vowels (a plain one between them) and a part after a comma.
const HebWordRec kFourVariable = Word({{Bet, QamatsAlef},
                                       {Dalet, Segol},
                                       {Gimel, QamatsQatan},
                                       {Kaf, HiriqYod},
                                       {Lamed, QamatsAlef},
                                       {',', 0},
                                       {Mem, QamatsQatan}});

TEST(VowelVariants, CountsEveryVariableVowelOfThePart) {
  EXPECT_EQ(CountVowelVariants(kFourVariable, 0), 15);
  EXPECT_EQ(CountVowelVariants(kFourVariable, 6), 1);
  EXPECT_EQ(CountVowelVariants(Word({{Bet, Patah}, {Dalet, Segol}}), 0), 0);
  // A part with more variable vowels than an int can count to stops at 2^30 - 1.
  HebWordRec phrase = {};
  for (int i = 0; i + 1 < kWordPlaneSize; ++i) {
    phrase.letters[i] = Bet;
    phrase.vowels[i] = QamatsQatan;
  }
  EXPECT_EQ(CountVowelVariants(phrase, 0), 0x3FFFFFFF);
}

TEST(VowelVariants, EachVariantChangesItsOwnChoiceOfTheFirstThree) {
  const int pa = QamatsPatahVariantToPlain(QamatsAlef);
  const int qq = QamatsQatanVariant;
  const int hy = VowelVariantToPlain(HiriqYod);
  const int last = QamatsAlef;  // a fourth variable vowel never changes
  const std::vector<std::vector<int>> expected = {
      {pa, Segol, qq, hy, last},
      {pa, Segol, QamatsQatan, hy, last},
      {QamatsAlef, Segol, qq, hy, last},
      {pa, Segol, qq, HiriqYod, last},
      {pa, Segol, QamatsQatan, HiriqYod, last},
      {QamatsAlef, Segol, qq, HiriqYod, last},
      {QamatsAlef, Segol, QamatsQatan, hy, last},
  };
  for (int k = 0; k < static_cast<int>(expected.size()); ++k) {
    HebWordRec out = {};
    ASSERT_EQ(BuildVowelVariant(kFourVariable, 0, out, k), 1) << k;
    EXPECT_EQ(Vowels(out), expected[k]) << k;
  }
  HebWordRec out = {};
  EXPECT_EQ(BuildVowelVariant(kFourVariable, 0, out, 7), 0);
  EXPECT_EQ(BuildVowelVariant(kFourVariable, 6, out, 1), 0);
  ASSERT_EQ(BuildVowelVariant(kFourVariable, 6, out, 0), 1);
  EXPECT_EQ(Vowels(out), std::vector<int>{qq});
}

TEST(VowelVariants, DropsAHeAfterTheFirstLetterOfEachPart) {
  HebWordRec word = Word({{Lamed, Shva},
                          {He, Hiriq},
                          {Kaf, Qamats},
                          {',', 0},
                          {Lamed, Shva},
                          {He, Patah},
                          {',', 0},
                          {Bet, Qamats},
                          {Resh, Patah}});
  DropHeAfterFirstLetter(word);
  const HebWordRec expected = Word({{Lamed, Hiriq},
                                    {Kaf, Qamats},
                                    {',', 0},
                                    {Lamed, Patah},
                                    {',', 0},
                                    {Bet, Qamats},
                                    {Resh, Patah}});
  EXPECT_EQ(std::string(reinterpret_cast<char*>(word.letters)),
            std::string(reinterpret_cast<const char*>(expected.letters)));
  EXPECT_EQ(Vowels(word), Vowels(expected));
}

}  // namespace
