// The vocal-shva test and the like-sounding letters.
#include "speech/core/VocalShva.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/PointedWord.h"
#include "speech/core/WordPatterns.h"

namespace {

struct ShvaCase {
  const char* what;
  PointedWord word;
  int position;
  DWORD prefixKind;
  DWORD optionBits;
  int pronunciation;
  int expected;
};
void PrintTo(const ShvaCase& c, std::ostream* os) { *os << c.what; }

class TestVocalShvaTable : public ::testing::TestWithParam<ShvaCase> {};

TEST_P(TestVocalShvaTable, DecidesTheShva) {
  const ShvaCase& c = GetParam();
  PrefixInfo prefix;
  prefix.prefixKind = c.prefixKind;
  prefix.optionBits = c.optionBits;
  for (int k = 1; k <= 4; ++k) {
    if (c.prefixKind == kAnyPrefixKind || c.prefixKind == static_cast<DWORD>(k)) {
      prefix.slots[k] = TestWordPrefix(c.word.L(), c.word.V(), k, FALSE);
    }
  }
  EXPECT_EQ(TestVocalShva(c.pronunciation, c.word.L(), c.word.V(), c.position,
                          c.word.Length() - 1, prefix),
            c.expected);
}

constexpr int S = kSephardi, A = kAshkenazi;
// tishme'u: mem under shva after shin under shva, before ayin
const PointedWord kTishmeu{{250, 196}, {209, 192}, {238, 192}, {242, 202}};
// berosh, in the br- cluster list; bera, not in it
const PointedWord kBerosh{{161, 192}, {248, 206}, {209, 1}};
const PointedWord kBera{{161, 192}, {248, 199}, {224, 1}};

INSTANTIATE_TEST_SUITE_P(
    Cascade, TestVocalShvaTable,
    ::testing::Values(
        ShvaCase{"one-letter word", PointedWord{{161, 192}}, 0, 0, 0, S, kVocalShva},
        ShvaCase{"last letter", PointedWord{{238, 199}, {234, 192}}, 1, 0, 0, S, kSilentShva},
        ShvaCase{"marked vocal", PointedWord{{238, 196}, {249, 156}, {244, 199}}, 1, 0, 0, S,
                 kVocalShva},
        ShvaCase{"marked silent", PointedWord{{238, 196}, {249, 157}, {244, 199}}, 1, 0, 0, S,
                 kSilentShva},
        ShvaCase{"second of two shvas", kTishmeu, 2, 0, 0, S, kVocalShva},
        ShvaCase{"second of two shvas, bit 0: the later steps", kTishmeu, 2, 0, 1, S, kSilentShva},
        ShvaCase{"second of two shvas before resh", PointedWord{{250, 196}, {209, 192}, {171, 192},
                                                                {248, 202}},
                 2, 0, 0, S, kVocalShvaBeforeLiquid},
        ShvaCase{"br- list word", kBerosh, 0, kAnyPrefixKind, 0, S, kSilentShva},
        ShvaCase{"bet before resh, prefix kind given", kBera, 0, kAnyPrefixKind, 0, S, kVocalShva},
        ShvaCase{"bet before resh, no prefix kind: cluster", kBera, 0, 0, 0, S, kSilentShva},
        ShvaCase{"at the start before a vowel letter", PointedWord{{238, 192}, {227, 196}}, 0, 0, 0,
                 S, kVocalShva},
        ShvaCase{"zayin at the start, Ashkenazi", PointedWord{{230, 192}, {238, 199}, {239, 1}}, 0,
                 0, 0, A, kVocalShvaAtStart},
        ShvaCase{"kaf before shin with segol", PointedWord{{171, 192}, {209, 198}, {228, 200}}, 0,
                 0, 0, S, kVocalShvaAtStart},
        ShvaCase{"closing a syllable", PointedWord{{238, 196}, {249, 192}, {244, 199}}, 1, 0, 0, S,
                 kSilentShva},
        ShvaCase{"before a like letter with a vowel", PointedWord{{228, 196}, {240, 192},
                                                                  {240, 196}, {233, 1}},
                 1, 0, 0, S, kVocalShva},
        ShvaCase{"after a prefix: the stem's first letter", PointedWord{{229, 192}, {238, 192},
                                                                        {227, 196}, {240, 200}},
                 1, 1, 0, S, kVocalShva},
        ShvaCase{"position before the word", PointedWord{{238, 192}, {227, 196}}, -1, 0, 0, S,
                 kSilentShva}));

struct AlikeCase {
  int a, b, pronunciation, expected;
};

class LettersSoundAlikeTable : public ::testing::TestWithParam<AlikeCase> {};

TEST_P(LettersSoundAlikeTable, Compares) {
  const AlikeCase& c = GetParam();
  EXPECT_EQ(LettersSoundAlike(c.a, c.b, c.pronunciation), c.expected) << c.a << " " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, LettersSoundAlikeTable,
    ::testing::Values(AlikeCase{161, 161, S, 1}, AlikeCase{161, 225, S, 0},
                      AlikeCase{226, 226, S, 0}, AlikeCase{227, 163, S, 1},
                      AlikeCase{209, 249, S, 1}, AlikeCase{229, 225, S, 1},
                      AlikeCase{225, 229, S, 1}, AlikeCase{231, 235, S, 1},
                      AlikeCase{186, 250, S, 1}, AlikeCase{186, 250, A, 0},
                      AlikeCase{250, 241, A, 1}, AlikeCase{250, 241, S, 0},
                      AlikeCase{241, 246, S, 1}, AlikeCase{236, 172, S, 1},
                      AlikeCase{172, 236, S, 1}, AlikeCase{244, 180, S, 0},
                      AlikeCase{238, 240, S, 0}));

}  // namespace
