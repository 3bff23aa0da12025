// The vocal-shva test and the like-sounding letters.
#include "speech/core/VocalShva.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "speech/tests/core/Pronounce.h"

namespace vocal_shva_test {

using namespace HebCode;

struct ShvaCase {
  const char* what;
  const char* word;
  int position;
  DWORD prefixKind;
  bool plainShvaRules;
  Pronunciation pronunciation;
  ShvaKind expected;
};
void PrintTo(const ShvaCase& c, std::ostream* os) { *os << c.what; }

template <typename Word>  // PointedLetters or PointedWord
ShvaKind ShvaOf(const Word& w, int position, int last, DWORD prefixKind, bool plainShvaRules,
                Pronunciation pronunciation) {
  PronunciationOptions options;
  options.pronunciation = pronunciation;
  options.prefixKind = prefixKind;
  options.plainShvaRules = plainShvaRules;
  return TestVocalShva(w.L(), w.V(), position, last, FindPrefixes(w.L(), w.V(), options));
}

class TestVocalShvaTable : public ::testing::TestWithParam<ShvaCase> {};

TEST_P(TestVocalShvaTable, DecidesTheShva) {
  const ShvaCase& c = GetParam();
  const PointedLetters w = Pointed(c.word);
  EXPECT_EQ(ShvaOf(w, c.position, w.Last(), c.prefixKind, c.plainShvaRules, c.pronunciation),
            c.expected);
}

constexpr Pronunciation S = kSephardi, A = kAshkenazi;
// tishme'u: mem under shva after shin under shva, before ayin
constexpr const char* kTishmeu = u8"תִשְׁמְעוּ";
// berosh, in the br- cluster list; bera, not in it
constexpr const char* kBerosh = u8"בְּרוֹשׁ";
constexpr const char* kBera = u8"בְּרַא";

INSTANTIATE_TEST_SUITE_P(
    Cascade, TestVocalShvaTable,
    ::testing::Values(
        ShvaCase{"one-letter word", u8"בְּ", 0, 0, false, S, kVocalShva},
        ShvaCase{"last letter", u8"מַךְ", 1, 0, false, S, kSilentShva},
        ShvaCase{"second of two shvas", kTishmeu, 2, 0, false, S, kVocalShva},
        ShvaCase{"second of two shvas, plain rules: the later steps", kTishmeu, 2, 0, true, S,
                 kSilentShva},
        ShvaCase{"second of two shvas before resh", u8"תִשְׁכְּרוּ", 2, 0, false, S,
                 kVocalShvaBeforeLiquid},
        ShvaCase{"br- list word", kBerosh, 0, kAnyPrefixKind, false, S, kSilentShva},
        ShvaCase{"bet before resh, prefix kind given", kBera, 0, kAnyPrefixKind, false, S,
                 kVocalShva},
        ShvaCase{"bet before resh, no prefix kind: cluster", kBera, 0, 0, false, S, kSilentShva},
        ShvaCase{"at the start before a vowel letter", u8"מְדִ", 0, 0, false, S, kVocalShva},
        ShvaCase{"zayin at the start, Ashkenazi", u8"זְמַן", 0, 0, false, A, kVocalShvaAtStart},
        ShvaCase{"kaf before shin with segol", u8"כְּשֶׁהָ", 0, 0, false, S, kVocalShvaAtStart},
        ShvaCase{"closing a syllable", u8"מִשְפַ", 1, 0, false, S, kSilentShva},
        ShvaCase{"before a like letter with a vowel", u8"הִנְנִי", 1, 0, false, S, kVocalShva},
        ShvaCase{"after a prefix: the stem's first letter", u8"וְמְדִנָ", 1, 1, false, S, kVocalShva},
        ShvaCase{"position before the word", u8"מְדִ", -1, 0, false, S, kSilentShva}));

// The marked shvas have no UTF-8 form: the shva under the shin is otherwise silent.
TEST(TestVocalShva, MarkedShvaIsTaken) {
  const PointedWord vocal{{Mem, Hiriq}, {Shin, VocalShva}, {Pe, Patah}};
  const PointedWord silent{{Mem, Hiriq}, {Shin, SilentShva}, {Pe, Patah}};
  EXPECT_EQ(ShvaOf(vocal, 1, 2, 0, false, S), kVocalShva);
  EXPECT_EQ(ShvaOf(silent, 1, 2, 0, false, S), kSilentShva);
}

struct AlikeCase {
  int a, b;
  Pronunciation pronunciation;
  bool expected;
};

class LettersSoundAlikeTable : public ::testing::TestWithParam<AlikeCase> {};

TEST_P(LettersSoundAlikeTable, Compares) {
  const AlikeCase& c = GetParam();
  EXPECT_EQ(LettersSoundAlike(c.a, c.b, c.pronunciation), c.expected) << c.a << " " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, LettersSoundAlikeTable,
    ::testing::Values(AlikeCase{BetDagesh, BetDagesh, S, true}, AlikeCase{BetDagesh, Bet, S, false},
                      AlikeCase{Gimel, Gimel, S, false}, AlikeCase{Dalet, DaletDagesh, S, true},
                      AlikeCase{ShinShinDot, Shin, S, true}, AlikeCase{Vav, Bet, S, true},
                      AlikeCase{Bet, Vav, S, true}, AlikeCase{Het, Kaf, S, true},
                      AlikeCase{TavDagesh, Tav, S, true}, AlikeCase{TavDagesh, Tav, A, false},
                      AlikeCase{Tav, Samekh, A, true}, AlikeCase{Tav, Samekh, S, false},
                      AlikeCase{Samekh, Tsadi, S, true}, AlikeCase{Lamed, LamedDagesh, S, true},
                      AlikeCase{LamedDagesh, Lamed, S, true}, AlikeCase{Pe, PeDagesh, S, false},
                      AlikeCase{Mem, Nun, S, false}));

}  // namespace vocal_shva_test
